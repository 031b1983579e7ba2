// The language changer under Wine: frmAbout in-process, then language.exe
// end to end in a program folder of its own, driving the language library's
// dialog from outside as a user would and watching which programs come up.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "apps/language/about_window.h"
#include "platform/win32/text_convert.h"
#include "shell/layout.h"
#include "tidemark_test_window.h"

namespace {

namespace fs = std::filesystem;

constexpr wchar_t kPhrasebookKey[] = L"Software\\Brightwell\\Phrasebook";
constexpr DWORD kPatience = 20000;  // ms: a program start under Wine takes a second or two
// HIVECARE_2, the start page's Exit button, in spanish.lng.
constexpr wchar_t kSpanishExit[] = L"Salir";

fs::path BuiltProgramFolder() {
  std::wstring folder = L"Z:" + platform::Utf8ToWide(SUITE_PROGRAM_DIR);
  for (wchar_t& c : folder) c = c == L'/' ? L'\\' : c;
  return folder;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// The visible top-level windows of process `pid`.
std::vector<HWND> VisibleWindowsOf(DWORD pid) {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search{pid, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->pid && IsWindowVisible(window)) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The language library's choice dialog shown by `pid`, waiting for it.
HWND WaitForDialog(DWORD pid) {
  for (DWORD waited = 0; waited < kPatience; waited += 100) {
    for (HWND window : VisibleWindowsOf(pid)) {
      if (ClassOf(window) == L"#32770") return window;
    }
    Sleep(100);
  }
  return nullptr;
}

// The running processes started from `program` (a full path).
std::vector<DWORD> ProcessesOf(const fs::path& program) {
  std::vector<DWORD> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  PROCESSENTRY32W entry{sizeof entry};
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (lstrcmpiW(entry.szExeFile, program.filename().c_str()) != 0) continue;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (process == nullptr) continue;
    wchar_t image[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (QueryFullProcessImageNameW(process, 0, image, &length) &&
        lstrcmpiW(image, program.c_str()) == 0) {
      found.push_back(entry.th32ProcessID);
    }
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return found;
}

// A child of `parent` whose caption is `text`, at any depth.
HWND ChildWithText(HWND parent, const std::wstring& text) {
  struct Search {
    const std::wstring* text;
    HWND found;
  } search{&text, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (TextOf(child) != *s->text) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// ---------------------------------------------------------------------------
// frmAbout in-process: the test program carries "AAA" too.

struct SeenWindow {
  bool found = false;
  bool visible = true;
  LONG_PTR style = 0;
  LONG_PTR ex_style = 0;
  RECT rect{};
  HWND owner = nullptr;
  HICON big = nullptr, small = nullptr, owner_big = nullptr;
  ULONG_PTR background = 0;
  std::wstring font_face;
};

// What the window looks like while the choice dialog would be up.
SeenWindow LookAtTheHost() {
  SeenWindow seen;
  HWND window = FindWindowW(language::kAboutClass, language::kAboutCaption);
  if (window == nullptr) return seen;
  seen.found = true;
  seen.visible = IsWindowVisible(window);
  seen.style = GetWindowLongPtrW(window, GWL_STYLE);
  seen.ex_style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  GetWindowRect(window, &seen.rect);
  seen.owner = GetWindow(window, GW_OWNER);
  seen.big = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  seen.small = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  seen.owner_big = reinterpret_cast<HICON>(SendMessageW(seen.owner, WM_GETICON, ICON_BIG, 0));
  seen.background = GetClassLongPtrW(window, GCLP_HBRBACKGROUND);
  LOGFONTW font{};
  if (GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font)) {
    seen.font_face = font.lfFaceName;
  }
  return seen;
}

TEST(AboutWindow, IsAHiddenFixedDialogFrameWithTheIconOffTheTaskBar) {
  SeenWindow seen;
  language::AboutWindow about({[&] {
                                 seen = LookAtTheHost();
                                 return 0;
                               },
                               [] {}});
  ASSERT_TRUE(about.Run());

  ASSERT_TRUE(seen.found);
  EXPECT_FALSE(seen.visible);
  EXPECT_EQ(seen.style & WS_CAPTION, WS_CAPTION);
  EXPECT_FALSE(seen.style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(seen.ex_style & WS_EX_DLGMODALFRAME);
  EXPECT_FALSE(seen.ex_style & WS_EX_APPWINDOW);
  EXPECT_NE(seen.owner, nullptr) << "an owned window has no task-bar button";
  const RECT want = shell::Layout().Rect({12075, 5610, 3330, 1710});
  EXPECT_EQ(seen.rect.left, want.left);
  EXPECT_EQ(seen.rect.top, want.top);
  EXPECT_EQ(seen.rect.right, want.right);
  EXPECT_EQ(seen.rect.bottom, want.bottom);
  EXPECT_NE(seen.big, nullptr);
  EXPECT_NE(seen.small, nullptr);
  EXPECT_EQ(seen.owner_big, seen.big) << "the top-level owner carries the icon too";
  EXPECT_EQ(seen.background, reinterpret_cast<ULONG_PTR>(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(seen.font_face, L"Tahoma");
}

TEST(AboutWindow, OnlyAConfirmedChoiceStartsTheMainProgramAndEveryChoiceEnds) {
  const std::pair<int, bool> cases[] = {{1, true}, {0, false}, {2, false}, {-1, false}};
  for (const auto& [result, starts] : cases) {
    int started = 0;
    language::AboutWindow about({[result = result] { return result; }, [&] { ++started; }});
    ASSERT_TRUE(about.Run()) << result;
    EXPECT_EQ(started, starts ? 1 : 0) << result;
    EXPECT_EQ(about.hwnd(), nullptr) << result;
    EXPECT_EQ(FindWindowW(language::kAboutClass, nullptr), nullptr) << result;
  }
}

// ---------------------------------------------------------------------------
// language.exe end to end.

class LanguageChangerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A space in the folder's name: the programs are started by quoted paths.
    folder_ = fs::temp_directory_path() / L"language changer test" / L"program folder";
    fs::remove_all(folder_.parent_path());
    fs::create_directories(folder_);
  }
  void TearDown() override {
    if (language_.hProcess != nullptr) {
      if (WaitForSingleObject(language_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(language_.hProcess, 1);
      WaitForSingleObject(language_.hProcess, kPatience);
      CloseHandle(language_.hProcess);
      CloseHandle(language_.hThread);
    }
    for (DWORD pid : ProcessesOf(Tidemark())) End(pid);
    std::error_code ignored;
    fs::remove_all(folder_.parent_path(), ignored);
  }

  // Copies the named files of the built program folder into the test's.
  void Place(std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names) fs::copy_file(BuiltProgramFolder() / name, folder_ / name);
  }
  void PlaceAll() {
    Place({L"language.exe", L"tidemark.exe", L"phrasebook.dll"});
    for (const auto& entry : fs::directory_iterator(BuiltProgramFolder())) {
      if (entry.path().extension() == L".lng") fs::copy_file(entry.path(), folder_ / entry.path().filename());
    }
  }
  fs::path Tidemark() const { return folder_ / L"tidemark.exe"; }

  // Starts language.exe as tidemark's link does: by its quoted full path,
  // from another current directory.
  void StartLanguage() {
    const std::wstring program = (folder_ / L"language.exe").wstring();
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup{sizeof startup};
    ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &language_));
  }
  // Starts language.exe and waits for the library's dialog; null when none comes.
  HWND StartLanguageToItsDialog() {
    StartLanguage();
    return language_.hProcess != nullptr ? WaitForDialog(language_.dwProcessId) : nullptr;
  }
  // Waits for language.exe to end: true when it did, with exit code 0.
  bool LanguageEnds() {
    if (WaitForSingleObject(language_.hProcess, kPatience) != WAIT_OBJECT_0) return false;
    DWORD code = 1;
    GetExitCodeProcess(language_.hProcess, &code);
    return code == 0;
  }
  // Whether language.exe shows any window but `dialog` before it ends.
  bool ShowsAnotherWindowUntilItEnds(HWND dialog = nullptr) {
    while (WaitForSingleObject(language_.hProcess, 50) == WAIT_TIMEOUT) {
      for (HWND window : VisibleWindowsOf(language_.dwProcessId)) {
        if (window != dialog) return true;
      }
    }
    return false;
  }
  // Picks the language `name` in the dialog's list and presses `button`.
  static void Choose(HWND dialog, const wchar_t* name, int button) {
    HWND list = FindWindowExW(dialog, nullptr, L"ListBox", nullptr);
    ASSERT_NE(list, nullptr) << "no list in the dialog";
    ASSERT_NE(SendMessageW(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)),
              LB_ERR)
        << platform::WideToUtf8(name) << " is not listed";
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    Press(dialog, button);
  }
  static void Press(HWND dialog, int button) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, button), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kPatience, &ignored);
  }
  static std::optional<std::wstring> StoredLanguage() {
    wchar_t value[128] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kPhrasebookKey, L"Language", RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS) {
      return std::nullopt;
    }
    return value;
  }
  static void End(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, kPatience);
    CloseHandle(process);
  }

  // The user's stored language and tidemark's settings are put aside for
  // each test and come back after it.
  tidemark_test::SavedKey tidemark_settings_{HKEY_CURRENT_USER, tidemark_test::kSettingsKey,
                                             tidemark_test::kSettingsMadeBelow};
  tidemark_test::SavedKey phrasebook_{HKEY_CURRENT_USER, kPhrasebookKey, tidemark_test::kSettingsMadeBelow};
  fs::path folder_;
  PROCESS_INFORMATION language_{};
};

TEST_F(LanguageChangerTest, ChoosingSpanishBringsTidemarkBackInSpanish) {
  PlaceAll();
  HWND dialog = StartLanguageToItsDialog();
  ASSERT_NE(dialog, nullptr) << "no language dialog";
  EXPECT_EQ(GetForegroundWindow(), dialog) << "the dialog comes to the front";
  EXPECT_TRUE(ProcessesOf(Tidemark()).empty());

  Choose(dialog, L"Español", IDOK);
  EXPECT_TRUE(LanguageEnds());

  // Exactly one tidemark, its start page in Spanish.
  HWND exit_button = nullptr;
  std::vector<DWORD> tidemarks;
  for (DWORD waited = 0; waited < kPatience && exit_button == nullptr; waited += 100) {
    tidemarks = ProcessesOf(Tidemark());
    for (DWORD pid : tidemarks) {
      for (HWND window : VisibleWindowsOf(pid)) {
        if (HWND found = ChildWithText(window, kSpanishExit)) exit_button = found;
      }
    }
    if (exit_button == nullptr) Sleep(100);
  }
  EXPECT_NE(exit_button, nullptr) << "no start page with a \"Salir\" button";
  EXPECT_EQ(tidemarks.size(), 1u);
  EXPECT_EQ(ProcessesOf(Tidemark()).size(), 1u);
}

TEST_F(LanguageChangerTest, CancelStartsNothingAndStoresNothing) {
  PlaceAll();
  HWND dialog = StartLanguageToItsDialog();
  ASSERT_NE(dialog, nullptr) << "no language dialog";

  Choose(dialog, L"Español", IDCANCEL);
  EXPECT_FALSE(ShowsAnotherWindowUntilItEnds(dialog));
  EXPECT_TRUE(LanguageEnds());
  Sleep(2000);
  EXPECT_TRUE(ProcessesOf(Tidemark()).empty());
  EXPECT_EQ(StoredLanguage(), std::nullopt);
}

// Without its library there is no choice to make: it ends, silently.
TEST_F(LanguageChangerTest, AloneInAFolderItEndsWithoutAWord) {
  Place({L"language.exe"});
  StartLanguage();
  EXPECT_FALSE(ShowsAnotherWindowUntilItEnds());
  EXPECT_TRUE(LanguageEnds());
}

TEST_F(LanguageChangerTest, ConfirmingWithoutTidemarkBesideItEndsWithoutAWord) {
  PlaceAll();
  fs::remove(Tidemark());
  HWND dialog = StartLanguageToItsDialog();
  ASSERT_NE(dialog, nullptr) << "no language dialog";

  Choose(dialog, L"Español", IDOK);
  EXPECT_FALSE(ShowsAnotherWindowUntilItEnds(dialog));
  EXPECT_TRUE(LanguageEnds());
  EXPECT_TRUE(StoredLanguage().has_value()) << "the choice holds all the same";
}

TEST(LanguageProgram, ItsIconGroupHoldsSixImagesFrom256DownTo32) {
  const std::wstring program = (BuiltProgramFolder() / L"language.exe").wstring();
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HRSRC found = FindResourceW(module, L"AAA", RT_GROUP_ICON);
  ASSERT_NE(found, nullptr);
  // The group's header (reserved, type, count) and then 14 bytes per image,
  // whose first byte is the width (0 standing for 256).
  const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  ASSERT_NE(group, nullptr);
  const WORD count = *reinterpret_cast<const WORD*>(group + 4);
  std::vector<int> widths;
  for (WORD i = 0; i < count; ++i) widths.push_back(group[6 + 14 * i] == 0 ? 256 : group[6 + 14 * i]);
  EXPECT_EQ(widths, (std::vector<int>{256, 128, 96, 64, 48, 32}));
  FreeLibrary(module);
}

}  // namespace
