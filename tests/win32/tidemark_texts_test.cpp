// Every caption of the main window and the exclusion dialog comes from the
// language library: with a library that answers each ID with a marker, no
// design caption is left but those of the controls the text routines leave
// alone.
#include <set>

#include "shell/exclude_dialog.h"
#include "tidemark_test_window.h"

namespace tidemark_test {
namespace {

constexpr char kMark = '#';

class MarkerTexts : public common::TextSource {
 public:
  std::string GetText(std::string_view id) override { return kMark + std::string(id); }
};

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> found;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM into) {
        reinterpret_cast<std::vector<HWND>*>(into)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<std::string> Headers(HWND list) {
  std::vector<std::string> headers;
  const int count = Header_GetItemCount(ListView_GetHeader(list));
  for (int column = 0; column < count; ++column) {
    wchar_t text[256] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = 256;
    ListView_GetColumn(list, column, &info);
    headers.push_back(platform::WideToUtf8(text));
  }
  return headers;
}

// The markers a window shows: its title, its controls' captions and list
// headers. A caption that is no marker fails, unless its control is `left_alone`.
std::set<std::string> MarkersShown(HWND window, const std::set<HWND>& left_alone) {
  std::vector<std::string> texts{WindowText(window)};
  for (HWND child : Descendants(window)) {
    if (left_alone.contains(child)) continue;
    wchar_t class_name[64] = {};
    GetClassNameW(child, class_name, 64);
    if (std::wstring(class_name) == WC_LISTVIEWW) {
      for (const auto& header : Headers(child)) texts.push_back(header);
    } else {
      texts.push_back(WindowText(child));
    }
  }
  std::set<std::string> markers;
  for (const auto& text : texts) {
    if (text.empty()) continue;
    EXPECT_EQ(text.front(), kMark) << "a design caption is left: " << text;
    markers.insert(text.substr(1));
  }
  return markers;
}

class WindowTextsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    settings_.emplace(HKEY_CURRENT_USER, kSettingsKey, kSettingsMadeBelow);
    exclude_file_.emplace(platform::Utf8ToWide(ExcludeFile()));
    window_ = std::make_unique<shell::MainWindow>(registry_, files_, markers_, boxes_,
                                                  platform::ProgramFolder());
    ASSERT_TRUE(window_->Create());
  }
  MarkerTexts markers_;
};

TEST_F(WindowTextsTest, MainWindowShowsOnlyLibraryTexts) {
  // The two footer links keep their captions, and the buttons behind the
  // repair links keep theirs for the keyboard.
  std::set<HWND> left_alone{control(shell::kCmdRemoveSel), control(shell::kCmdRemoveAll),
                            control(shell::kCmdAddtoExcludeList), link(9), link(10)};
  std::set<std::string> expected{"HIVECARE_REGCLEANER_STRING_305"};  // the scan button's, set last
  for (int id : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                 16, 17, 18, 19, 32, 33, 34, 35, 36, 37, 38, 40, 41}) {
    expected.insert("HIVECARE_REGCLEANER_" + std::to_string(id));
  }
  EXPECT_EQ(MarkersShown(window_->hwnd(), left_alone), expected);
  EXPECT_EQ(WindowText(window_->hwnd()), "#HIVECARE_REGCLEANER_1");
}

TEST_F(WindowTextsTest, ExclusionDialogShowsOnlyLibraryTexts) {
  shell::ExcludeDialog dialog(markers_, boxes_);
  ASSERT_TRUE(dialog.Create(window_->hwnd()));
  const std::set<std::string> expected{"HIVECARE_EXCLUDE_1", "HIVECARE_EXCLUDE_2",
                                       "HIVECARE_EXCLUDE_3", "HIVECARE_EXCLUDE_4",
                                       "HIVECARE_EXCLUDE_5"};
  EXPECT_EQ(MarkersShown(dialog.hwnd(), {}), expected);
  EXPECT_EQ(WindowText(dialog.hwnd()), "#HIVECARE_EXCLUDE_1");
}

// Spanish ships beside English, but a lookup answers in English until a
// language is chosen.
TEST(ShippedLanguages, EnglishIsTheLanguageUntilAnotherIsChosen) {
  const std::wstring folder = platform::Utf8ToWide(platform::ProgramFolder());
  ASSERT_NE(GetFileAttributesW((folder + L"\\spanish.lng").c_str()), INVALID_FILE_ATTRIBUTES);
  platform::PhrasebookTexts texts;
  EXPECT_EQ(texts.GetText("HIVECARE_EXCLUDE_3"), "Cancel");
  EXPECT_EQ(texts.GetText("HIVECARE_REGCLEANER_STRING_46"), "Yes");
}

}  // namespace
}  // namespace tidemark_test
