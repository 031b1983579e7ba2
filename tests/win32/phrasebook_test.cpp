// The language library through the programs' text lookup, the window icon
// routine, and the assets the build draws (icon group "AAA", clock.avi).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/phrasebook_texts.h"
#include "platform/win32/window_icon.h"

namespace {

namespace fs = std::filesystem;
using platform::PhrasebookTexts;

fs::path TestExecutableFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

fs::path CurrentDirectory() {
  wchar_t path[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, path);
  return fs::path(path);
}

// A program folder of the test's own, removed afterwards.
class ProgramFolder {
 public:
  explicit ProgramFolder(const char* name) : path_(fs::temp_directory_path() / "SuiteTest" / name) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~ProgramFolder() {
    SetCurrentDirectoryW(fs::temp_directory_path().c_str());  // a current directory cannot be removed
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

  void AddLibrary() const {
    fs::copy_file(TestExecutableFolder() / "phrasebook.dll", path_ / "phrasebook.dll",
                  fs::copy_options::overwrite_existing);
  }
  void AddLanguageFile(const std::string& content) const {
    std::ofstream(path_ / "test.lng", std::ios::binary) << content;
  }

 private:
  fs::path path_;
};

// --- Texts from the real library ---------------------------------------------

// The export itself, as any program would bind it.
TEST(GetValueForID, WritesAtMostTheTextAreaAndLeavesUnknownIdsAlone) {
  ProgramFolder folder("PhrasebookExport");
  folder.AddLibrary();
  folder.AddLanguageFile("[English]\nLONG=" + std::string(300, 'x') + "\nSHORT=Hi\n");
  HMODULE library = LoadLibraryW((folder.path() / "phrasebook.dll").c_str());
  ASSERT_NE(library, nullptr);
  using GetValueForId = short(__stdcall*)(const char*, char*, short);
  const auto get_value_for_id = reinterpret_cast<GetValueForId>(GetProcAddress(library, "GetValueForID"));
  ASSERT_NE(get_value_for_id, nullptr);

  std::string area(300, '#');
  EXPECT_EQ(get_value_for_id("LONG", area.data(), 0), 1);
  EXPECT_EQ(area.substr(0, 256), std::string(255, 'x') + '\0');
  EXPECT_EQ(area.substr(256), std::string(44, '#'));

  area.assign(300, '#');
  EXPECT_EQ(get_value_for_id("UNKNOWN", area.data(), 0), 0);
  EXPECT_EQ(area, std::string(300, '#'));

  EXPECT_EQ(get_value_for_id("SHORT", area.data(), 0), 1);
  EXPECT_STREQ(area.c_str(), "Hi");
  FreeLibrary(library);
}

TEST(PhrasebookTexts, FindsAKnownIdAndGivesNothingForAnUnknownOne) {
  PhrasebookTexts texts;  // the test's own folder, as a program's
  EXPECT_EQ(texts.GetText("HIVECARE_REGCLEANER_STRING_305"), "&Search for problems >");
  EXPECT_EQ(texts.GetText("HIVECARE_REGCLEANER_14"), "Invalid data location");
  EXPECT_EQ(texts.GetText("NO_SUCH_TEXT_ID"), "");
  EXPECT_EQ(texts.GetText(""), "");
}

TEST(PhrasebookTexts, ConvertsTextsAndKeepsThemWithinTheTextArea) {
  ProgramFolder folder("PhrasebookLimits");
  folder.AddLibrary();
  const std::string exactly_255(255, 'a');
  const std::string too_long = std::string(254, 'b') + "cdefg";
  folder.AddLanguageFile("[English]\r\n"
                         "EXACT=" + exactly_255 + "\r\n"
                         "LONG=" + too_long + "\r\n"
                         "EMPTY=\r\n"
                         "ACCENTS=Gr\xC3\xBC\xC3\x9F" "e\r\n"
                         "LINES=one\\ntwo\r\n"
                         "[Deutsch]\r\nEXACT=nicht die aktuelle Sprache\r\n");
  PhrasebookTexts texts(folder.path().wstring());

  const struct {
    const char* id;
    std::string text;
  } cases[] = {
      {"EXACT", exactly_255},
      {"LONG", too_long.substr(0, 255)},
      {"EMPTY", ""},
      {"ACCENTS", "Gr\xC3\xBC\xC3\x9F" "e"},  // through the ANSI code page and back
      {"LINES", "one\ntwo"},
      {"MISSING", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(texts.GetText(c.id), c.text) << c.id;
}

TEST(PhrasebookTexts, WithoutTheLibraryGivesNothingUntilItArrives) {
  ProgramFolder folder("PhrasebookAbsent");
  PhrasebookTexts texts(folder.path().wstring());
  EXPECT_EQ(texts.GetText("GREETING"), "");
  EXPECT_EQ(texts.GetText("GREETING"), "");

  folder.AddLibrary();
  folder.AddLanguageFile("[English]\nGREETING=Hello\n");
  EXPECT_EQ(texts.GetText("GREETING"), "Hello");
}

TEST(PhrasebookTexts, LeavesTheProgramFolderAsTheCurrentDirectory) {
  ProgramFolder folder("PhrasebookDirectory");
  folder.AddLanguageFile("[English]\n");
  PhrasebookTexts texts(folder.path().wstring());
  for (int lookup = 0; lookup < 2; ++lookup) {  // also when it already is
    SetCurrentDirectoryW(lookup == 0 ? fs::temp_directory_path().c_str() : folder.path().c_str());
    texts.GetText("ANY");
    EXPECT_TRUE(fs::equivalent(CurrentDirectory(), folder.path()));
    // A relative file name now opens a file of the program folder.
    std::FILE* file = std::fopen("test.lng", "rb");
    EXPECT_NE(file, nullptr);
    if (file != nullptr) std::fclose(file);
  }
}

// --- The window icon ----------------------------------------------------------

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND CreatePlainWindow(HWND owner) {
  static const ATOM window_class = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SuiteTestIconWindow";
    return RegisterClassW(&wc);
  }();
  return CreateWindowExW(0, MAKEINTATOM(window_class), L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, owner, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

bool HasIcons(HWND window) {
  return SendMessageW(window, WM_GETICON, ICON_BIG, 0) != 0 && SendMessageW(window, WM_GETICON, ICON_SMALL, 0) != 0;
}

bool HasNoIcons(HWND window) {
  return SendMessageW(window, WM_GETICON, ICON_BIG, 0) == 0 && SendMessageW(window, WM_GETICON, ICON_SMALL, 0) == 0;
}

class WindowIcon : public ::testing::Test {
 protected:
  void SetUp() override {
    top_ = CreatePlainWindow(nullptr);
    middle_ = CreatePlainWindow(top_);
    window_ = CreatePlainWindow(middle_);
    ASSERT_TRUE(top_ && middle_ && window_);
  }
  void TearDown() override { DestroyWindow(top_); }  // takes its owned windows along

  HWND top_ = nullptr, middle_ = nullptr, window_ = nullptr;
};

TEST_F(WindowIcon, GivesTheWindowAndItsTopLevelOwnerBothSizes) {
  platform::SetWindowIcon(window_, L"AAA", true);
  EXPECT_TRUE(HasIcons(window_));
  EXPECT_TRUE(HasIcons(top_));
  EXPECT_TRUE(HasNoIcons(middle_));  // only the top of the owner chain
  EXPECT_NE(SendMessageW(window_, WM_GETICON, ICON_BIG, 0), SendMessageW(window_, WM_GETICON, ICON_SMALL, 0));
}

TEST_F(WindowIcon, LeavesTheOwnerAloneWhenAskedTo) {
  platform::SetWindowIcon(window_, L"AAA", false);
  EXPECT_TRUE(HasIcons(window_));
  EXPECT_TRUE(HasNoIcons(top_));
}

TEST_F(WindowIcon, AWindowWithoutOwnerGetsItsIcons) {
  platform::SetWindowIcon(top_, L"AAA", true);
  EXPECT_TRUE(HasIcons(top_));
}

TEST_F(WindowIcon, AMissingResourceTakesTheIconsAway) {
  platform::SetWindowIcon(window_, L"AAA", true);
  platform::SetWindowIcon(window_, L"NO_SUCH_ICON", true);
  EXPECT_TRUE(HasNoIcons(window_));
  EXPECT_TRUE(HasNoIcons(top_));
}

// The icon group as the build draws it: eight square images, 32 bits each.
#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colors, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(ProgramIcon, HoldsEightSizesAt32BitsPerPixel) {
  HMODULE self = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(self, L"AAA", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(resource, nullptr);
  const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(self, resource)));
  ASSERT_NE(group, nullptr);
  const WORD count = reinterpret_cast<const WORD*>(group)[2];
  const auto* entries = reinterpret_cast<const IconGroupEntry*>(group + 6);
  std::vector<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    EXPECT_EQ(entries[i].width, entries[i].height);
    EXPECT_EQ(entries[i].bit_count, 32);
    sizes.push_back(entries[i].width == 0 ? 256 : entries[i].width);
  }
  EXPECT_EQ(sizes, (std::vector<int>{256, 128, 96, 64, 48, 32, 24, 16}));
}

// --- The clock clip -------------------------------------------------------------

TEST(ClockClip, TheAnimationControlOpensAndPlaysIt) {
  INITCOMMONCONTROLSEX init{sizeof(init), ICC_ANIMATE_CLASS};
  ASSERT_TRUE(InitCommonControlsEx(&init));
  HWND owner = CreatePlainWindow(nullptr);
  ShowWindow(owner, SW_SHOWNOACTIVATE);
  HWND animation = CreateWindowExW(0, ANIMATE_CLASSW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 41, 39,
                                   owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(animation, nullptr);

  const std::wstring clip = (TestExecutableFolder() / "clock.avi").wstring();
  EXPECT_TRUE(Animate_Open(animation, clip.c_str()));

  // The first frame stands the right way up: the minute hand points at
  // twelve, on white.
  EXPECT_TRUE(Animate_Seek(animation, 0));
  HDC dc = GetDC(animation);
  const COLORREF above_centre = GetPixel(dc, 20, 9), below_centre = GetPixel(dc, 20, 30);
  const COLORREF corner = GetPixel(dc, 0, 0);
  ReleaseDC(animation, dc);
  EXPECT_GT(GetBValue(above_centre), GetRValue(above_centre) + 80) << std::hex << above_centre;
  EXPECT_LT(GetBValue(below_centre), GetRValue(below_centre) + 40) << std::hex << below_centre;
  EXPECT_EQ(corner, RGB(255, 255, 255));

  EXPECT_TRUE(Animate_Play(animation, 0, -1, -1));
  EXPECT_TRUE(Animate_Stop(animation));
  EXPECT_TRUE(Animate_Close(animation));
  DestroyWindow(owner);
}

}  // namespace
