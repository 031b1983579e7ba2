// The language library's choice of language: stored per user, kept across
// program starts, and made through the library's own dialog, driven here
// from the test's thread while the dialog runs modal on another.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/language_dialog.h"
#include "platform/win32/phrasebook_texts.h"
#include "saved_state.h"

namespace {

namespace fs = std::filesystem;

constexpr wchar_t kBelowSoftware[] = L"Software\\Brightwell";
constexpr wchar_t kChoiceKey[] = L"Software\\Brightwell\\Phrasebook";
constexpr wchar_t kChoiceValue[] = L"Language";
constexpr int kLanguageList = 100;     // the dialog's list box
constexpr DWORD kPatience = 20000;     // ms: a process start under Wine takes a second or two

fs::path TestFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

void SetChoice(DWORD type, const void* data, DWORD size) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kChoiceKey, kChoiceValue, type, data, size);
}

void SetChoice(const std::wstring& language) {
  SetChoice(REG_SZ, language.c_str(), static_cast<DWORD>((language.size() + 1) * sizeof(wchar_t)));
}

void ClearChoice() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kChoiceKey, kChoiceValue); }

std::optional<std::wstring> StoredChoice() {
  wchar_t name[128] = {};
  DWORD size = sizeof(name);
  if (RegGetValueW(HKEY_CURRENT_USER, kChoiceKey, kChoiceValue, RRF_RT_REG_SZ, nullptr, name, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return name;
}

// The user's "Language" value is the prefix's, shared with other tests:
// each test starts without one and leaves it, and the keys, as they were.
class LanguageChoiceTest : public ::testing::Test {
 protected:
  suite_test::SavedKey choice_{HKEY_CURRENT_USER, kChoiceKey, kBelowSoftware};
};

// --- The stored choice, as a program started afterwards sees it -------------

// The text for `id` as a freshly started program of the test folder gets it.
std::string LookUpInNewProcess(const std::wstring& id) {
  const fs::path output = fs::temp_directory_path() / L"SuiteTest-phrasebook-lookup.txt";
  fs::remove(output);
  const std::wstring program = (TestFolder() / L"phrasebook_lookup.exe").wstring();
  std::wstring command = L"\"" + program + L"\" " + id + L" \"" + output.wstring() + L"\"";
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return "<not started>";
  WaitForSingleObject(process.hProcess, kPatience);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::ifstream in(output, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  in.close();
  fs::remove(output);
  return text;
}

TEST_F(LanguageChoiceTest, ProgramsStartedLaterLookUpInTheStoredLanguage) {
  const struct {
    const char* what;
    void (*store)();
    const char* title;  // PHRASEBOOK_1 in the language lookups use
  } cases[] = {
      {"nothing stored", [] {}, "Language"},
      {"Spanish", [] { SetChoice(L"Español"); }, "Idioma"},
      {"English", [] { SetChoice(L"English"); }, "Language"},
      {"a language no file offers", [] { SetChoice(L"Klingon"); }, "Language"},
      {"a name in other letter case", [] { SetChoice(L"ESPAÑOL"); }, "Language"},
      {"a value that is no string",
       [] {
         const DWORD number = 1;
         SetChoice(REG_DWORD, &number, sizeof(number));
       },
       "Language"},
  };
  for (const auto& c : cases) {
    ClearChoice();
    c.store();
    EXPECT_EQ(LookUpInNewProcess(L"PHRASEBOOK_1"), c.title) << c.what;
  }
}

// --- The dialog ----------------------------------------------------------------

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

std::vector<std::wstring> ListedLanguages(HWND list) {
  std::vector<std::wstring> names;
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring name(SendMessageW(list, LB_GETTEXTLEN, i, 0), L'\0');
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name.data()));
    names.push_back(name);
  }
  return names;
}

// The dialog shown by platform::ShowLanguageDialog on a thread of its own,
// as the language changer shows it, from the test folder's library.
class ShownDialog {
 public:
  ShownDialog()
      : thread_([this] {
          thread_id_ = GetCurrentThreadId();
          result_ = platform::ShowLanguageDialog(TestFolder().wstring());
        }) {
    for (DWORD waited = 0; waited < kPatience && window_ == nullptr; waited += 50) {
      Sleep(50);
      if (thread_id_ != 0) EnumThreadWindows(thread_id_, FindDialog, reinterpret_cast<LPARAM>(&window_));
    }
  }
  ~ShownDialog() {
    if (thread_.joinable()) {
      if (IsWindow(window_)) PostMessageW(window_, WM_COMMAND, IDCANCEL, 0);
      thread_.join();
    }
  }

  HWND window() const { return window_; }
  HWND item(int id) const { return GetDlgItem(window_, id); }
  HWND list() const { return item(kLanguageList); }
  // Waits for the dialog to end and gives ShowLangDlg's result.
  int Result() {
    thread_.join();
    return result_;
  }

 private:
  static BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }

  std::atomic<DWORD> thread_id_ = 0;
  std::atomic<int> result_ = -1;
  HWND window_ = nullptr;
  std::thread thread_;
};

void Press(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

TEST_F(LanguageChoiceTest, OffersTheLanguagesWithTheCurrentOneSelectedInItsWords) {
  const struct {
    const wchar_t* stored;  // nullptr: nothing stored
    int selected;
    const wchar_t *title, *prompt, *ok, *cancel;
  } cases[] = {
      {nullptr, 0, L"Language", L"Choose the language of the suite's texts:", L"OK", L"Cancel"},
      {L"Klingon", 0, L"Language", L"Choose the language of the suite's texts:", L"OK", L"Cancel"},
      {L"Español", 1, L"Idioma", L"Elija el idioma de los textos del programa:", L"Aceptar", L"Cancelar"},
  };
  for (const auto& c : cases) {
    ClearChoice();
    if (c.stored != nullptr) SetChoice(c.stored);
    ShownDialog dialog;
    ASSERT_NE(dialog.window(), nullptr) << "no dialog";
    EXPECT_EQ(TextOf(dialog.window()), c.title);
    EXPECT_EQ(TextOf(dialog.item(101)), c.prompt);
    EXPECT_EQ(TextOf(dialog.item(IDOK)), c.ok);
    EXPECT_EQ(TextOf(dialog.item(IDCANCEL)), c.cancel);
    EXPECT_EQ(ListedLanguages(dialog.list()), (std::vector<std::wstring>{L"English", L"Español"}));
    EXPECT_EQ(SendMessageW(dialog.list(), LB_GETCURSEL, 0, 0), c.selected);
    Press(dialog.item(IDCANCEL));
    EXPECT_EQ(dialog.Result(), 0);
  }
}

// Without an owner the dialog must stand on its own: in front, with a task
// bar button, in the middle of the screen.
TEST_F(LanguageChoiceTest, StandsAloneCentredOnTheScreen) {
  ShownDialog dialog;
  ASSERT_NE(dialog.window(), nullptr);
  EXPECT_EQ(GetWindow(dialog.window(), GW_OWNER), nullptr);
  EXPECT_EQ(GetForegroundWindow(), dialog.window());
  EXPECT_TRUE(GetWindowLongW(dialog.window(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  RECT rect{}, work{};
  GetWindowRect(dialog.window(), &rect);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR((rect.left + rect.right) / 2, (work.left + work.right) / 2, 2);
  EXPECT_NEAR((rect.top + rect.bottom) / 2, (work.top + work.bottom) / 2, 2);
  Press(dialog.item(IDCANCEL));
  EXPECT_EQ(dialog.Result(), 0);
}

TEST_F(LanguageChoiceTest, ConfirmingSpanishStoresItAndThisProcessLooksUpInSpanish) {
  platform::PhrasebookTexts texts(TestFolder().wstring());  // the same library the dialog is of
  EXPECT_EQ(texts.GetText("PHRASEBOOK_1"), "Language");
  ShownDialog dialog;
  ASSERT_NE(dialog.window(), nullptr);
  SendMessageW(dialog.list(), LB_SETCURSEL, 1, 0);
  Press(dialog.item(IDOK));
  EXPECT_EQ(dialog.Result(), 1);
  EXPECT_EQ(StoredChoice(), L"Español");
  EXPECT_EQ(texts.GetText("PHRASEBOOK_1"), "Idioma");
  EXPECT_EQ(LookUpInNewProcess(L"PHRASEBOOK_1"), "Idioma");
}

TEST_F(LanguageChoiceTest, ConfirmingTheCurrentLanguageIsAConfirmedChoice) {
  ShownDialog dialog;
  ASSERT_NE(dialog.window(), nullptr);
  Press(dialog.item(IDOK));
  EXPECT_EQ(dialog.Result(), 1);
  EXPECT_EQ(StoredChoice(), L"English");
}

TEST_F(LanguageChoiceTest, DoubleClickingALanguageConfirmsIt) {
  ShownDialog dialog;
  ASSERT_NE(dialog.window(), nullptr);
  RECT item{};
  SendMessageW(dialog.list(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMessageW(dialog.list(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
  EXPECT_EQ(dialog.Result(), 1);
  EXPECT_EQ(StoredChoice(), L"Español");
}

TEST_F(LanguageChoiceTest, CancelEscapeAndCloseStoreNothing) {
  const struct {
    const char* what;
    void (*act)(const ShownDialog&);
  } cases[] = {
      {"Cancel", [](const ShownDialog& d) { Press(d.item(IDCANCEL)); }},
      {"Esc", [](const ShownDialog& d) { PostMessageW(d.list(), WM_KEYDOWN, VK_ESCAPE, 0); }},
      {"close", [](const ShownDialog& d) { PostMessageW(d.window(), WM_CLOSE, 0, 0); }},
  };
  for (const auto& c : cases) {
    ShownDialog dialog;
    ASSERT_NE(dialog.window(), nullptr) << c.what;
    SendMessageW(dialog.list(), LB_SETCURSEL, 1, 0);
    c.act(dialog);
    EXPECT_EQ(dialog.Result(), 0) << c.what;
    EXPECT_EQ(StoredChoice(), std::nullopt) << c.what;
  }
}

TEST(ShowLanguageDialog, WithoutTheLibraryIsNotConfirmed) {
  const fs::path empty = fs::temp_directory_path() / L"SuiteTest-no-phrasebook";
  fs::create_directories(empty);
  EXPECT_EQ(platform::ShowLanguageDialog(empty.wstring()), 0);
  fs::remove_all(empty);
}

}  // namespace
