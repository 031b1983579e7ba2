// hivesafe's window end to end, in-process over the real platform: the real
// registry editor exports the prefix's registry into a fresh program
// folder's "Backups", restores it, and the window deletes backups, with its
// questions answered through the message-box seam. A whole-registry export
// or import takes seconds under Wine, so one window, opened once, serves
// the tests of the backup, the restore and the delete, in that order.
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "../unit/fakes/scripted_message_boxes.h"
#include "platform/win32/phrasebook_texts.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale_format.h"
#include "platform/win32/win32_process_runner.h"
#include "shell/backup_window.h"
#include "shell/controls.h"

namespace {

namespace fs = std::filesystem;

constexpr wchar_t kTestKey[] = L"Software\\SuiteTest\\hivesafe";
constexpr wchar_t kSeededName[] = L"seeded";
constexpr wchar_t kSeededData[] = L"kept by the backup";

// Answers from the script (OK when it has run out) and records each box;
// `on_show` runs while a box would be open.
class ScriptedBoxes : public fakes::ScriptedMessageBoxes {
 public:
  int Show(void* owner, const std::string& text, const std::string& title,
           unsigned style) override {
    const int answer = fakes::ScriptedMessageBoxes::Show(owner, text, title, style);
    if (on_show) on_show(text);
    return answer;
  }
  int Count(const std::string& text) const {
    int n = 0;
    for (const Shown& s : shown) n += s.text == text;
    return n;
  }
  std::function<void(const std::string&)> on_show;
};

// Handles the thread's messages until `done` holds; false after `seconds`.
bool PumpUntil(const std::function<bool()>& done, int seconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;  // a closed window's; the test goes on
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  return true;
}

bool RegeditRunning() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
       more = Process32NextW(snapshot, &entry)) {
    found = _wcsicmp(entry.szExeFile, L"regedit.exe") == 0;
  }
  CloseHandle(snapshot);
  return found;
}

bool SeededValuePresent() {
  wchar_t data[64] = {};
  DWORD size = sizeof data;
  return RegGetValueW(HKEY_CURRENT_USER, kTestKey, kSeededName, RRF_RT_REG_SZ, nullptr, data,
                      &size) == ERROR_SUCCESS &&
         std::wstring(data) == kSeededData;
}

std::string TodaysName() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return "Windows Registry Backup " + std::to_string(now.wDay) + "-" +
         std::to_string(now.wMonth) + "-" + std::to_string(now.wYear);
}

// A file the registry editor wrote: UTF-16 LE after its byte order mark.
std::wstring ReadExport(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) return {};
  std::wstring text((bytes.size() - 2) / 2, L'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                   static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
  }
  return text;
}

std::string WindowText(HWND window) { return shell::GetText(window); }

// A fresh program folder with a space in its path; gone after the test.
fs::path MakeProgramFolder(const wchar_t* test) {
  const fs::path folder = fs::temp_directory_path() / test / L"program folder";
  fs::remove_all(folder.parent_path());
  fs::create_directories(folder);
  return folder;
}

void Press(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

// The real platform under a window opened once for the whole suite.
class HivesafeWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    shell::RegisterControlClasses();
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    RegSetKeyValueW(HKEY_CURRENT_USER, kTestKey, kSeededName, REG_SZ, kSeededData,
                    sizeof kSeededData);
    folder_ = new fs::path(MakeProgramFolder(L"hivesafe window test"));
    platform_ = new Platform;
    window_ = new shell::BackupWindow(platform_->files, platform_->runner, platform_->boxes,
                                      platform_->texts, platform_->locale,
                                      platform::WideToUtf8(folder_->wstring()));
    if (window_->Create()) ShowWindow(window_->hwnd(), SW_SHOWNOACTIVATE);
  }
  static void TearDownTestSuite() {
    PumpUntil([] { return !RegeditRunning(); }, 120);  // nothing may write into the folder
    delete window_;
    delete platform_;
    std::error_code ignored;
    fs::remove_all(folder_->parent_path(), ignored);
    delete folder_;
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\SuiteTest");  // only when no test left keys in it
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  void SetUp() override {
    ASSERT_NE(window_->hwnd(), nullptr);
    boxes().answers.clear();
    boxes().on_show = nullptr;
  }

  // The first backup, which the window started by itself, announced once.
  static bool FirstBackupDone() {
    return PumpUntil([] { return platform_->boxes.Count(Text("RBC_7")) >= 1; }, 120);
  }

  static std::string Text(const char* id) { return platform_->texts.GetText(id); }
  static ScriptedBoxes& boxes() { return platform_->boxes; }
  static HWND control(int id) { return window_->control(id); }
  static HWND list() { return control(shell::kLstBackups); }
  static fs::path BackupFile(const std::string& name) {
    return *folder_ / L"Backups" / platform::Utf8ToWide(name + ".reg");
  }
  static int RowOf(const std::string& name) {
    for (int r = 0; r < ListView_GetItemCount(list()); ++r) {
      if (shell::ItemText(list(), r, 0) == name) return r;
    }
    return -1;
  }
  static void Select(int row) {
    ListView_SetItemState(list(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row >= 0) ListView_SetItemState(list(), row, LVIS_SELECTED, LVIS_SELECTED);
  }

  struct Platform {
    platform::Win32FileSystem files;
    platform::Win32ProcessRunner runner;
    ScriptedBoxes boxes;
    platform::PhrasebookTexts texts;
    platform::Win32LocaleFormat locale;
  };
  static inline fs::path* folder_ = nullptr;
  static inline Platform* platform_ = nullptr;
  static inline shell::BackupWindow* window_ = nullptr;
};

TEST_F(HivesafeWindowTest, OpensCentredWithTheLibraryTextsAndTheIcon) {
  EXPECT_EQ(WindowText(window_->hwnd()), Text("REGISTRY_BACKUP_1"));
  EXPECT_FALSE(Text("REGISTRY_BACKUP_1").empty()) << "the library answers";
  const std::pair<int, const char*> captions[] = {
      {shell::kBackupDesc, "RBC_D"},         {shell::kCmdBackup, "RBC_BCK"},
      {shell::kCmdRestore, "RBC_RST"},       {shell::kCmdDelete, "RBC_DEL"},
      {shell::kCmdClose, "RBC_C"},           {shell::kBackupLabel6, "REGISTRY_BACKUP_9"}};
  for (const auto& [id, text_id] : captions) {
    EXPECT_EQ(WindowText(control(id)), Text(text_id)) << text_id;
  }
  const char* headers[] = {"RBC_BN", "RBC_BD", "RBC_BS"};
  for (int column = 0; column < 3; ++column) {
    EXPECT_EQ(shell::ColumnText(list(), column), Text(headers[column])) << headers[column];
  }
  EXPECT_EQ(WindowText(control(shell::kBackupLink9)),
            "Click here for more Windows Utilities && Fixes");

  for (WPARAM size : {ICON_BIG, ICON_SMALL}) {
    EXPECT_NE(SendMessageW(window_->hwnd(), WM_GETICON, size, 0), 0) << "icon size " << size;
  }
  const LONG_PTR style = GetWindowLongPtrW(window_->hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  RECT r{};
  GetWindowRect(window_->hwnd(), &r);
  EXPECT_NEAR(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2, 1);
  EXPECT_NEAR(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, 1);
}

// Opening the tool starts the export; the timer follows it to its end and
// announces it once, over the window, with the row already showing its size.
TEST_F(HivesafeWindowTest, FirstBackupIsACompleteExportAnnouncedOnce) {
  const std::string name = TodaysName();
  std::string size_while_announced;
  boxes().on_show = [&](const std::string& text) {
    if (text != Text("RBC_7") || !size_while_announced.empty()) return;
    size_while_announced = shell::ItemText(list(), RowOf(name), 2);
    window_->CheckRegs();  // a tick while the message is open only refreshes
  };
  ASSERT_TRUE(FirstBackupDone()) << "no completion message within 120 s";
  window_->CheckRegs();
  EXPECT_EQ(boxes().Count(Text("RBC_7")), 1);
  const ScriptedBoxes::Shown& done = boxes().shown.back();
  EXPECT_EQ(done.owner, window_->hwnd());
  EXPECT_EQ(done.title, WindowText(window_->hwnd()));

  const std::string unit = " " + Text("RBC_5");
  EXPECT_TRUE(size_while_announced.ends_with(unit)) << size_while_announced;
  const int row = RowOf(name);
  ASSERT_GE(row, 0) << name;
  EXPECT_FALSE(shell::ItemText(list(), row, 1).empty()) << "a date";
  EXPECT_TRUE(shell::ItemText(list(), row, 2).ends_with(unit)) << shell::ItemText(list(), row, 2);

  const std::wstring exported = ReadExport(BackupFile(name));
  EXPECT_TRUE(exported.starts_with(L"Windows Registry Editor Version 5.00"))
      << "not a registry export: " << BackupFile(name);
  // Wine's editor writes the user's keys under HKEY_USERS\<the user's SID> only.
  const size_t key = exported.find(L"\\Software\\SuiteTest\\hivesafe]\r\n");
  ASSERT_NE(key, std::wstring::npos) << "the seeded key";
  EXPECT_NE(exported.find(L"\"seeded\"=\"kept by the backup\"", key), std::wstring::npos);
}

// Cancel starts nothing; OK imports the chosen backup with the registry
// editor, which brings the deleted value back.
TEST_F(HivesafeWindowTest, RestoreImportsTheChosenBackupAfterOk) {
  ASSERT_TRUE(FirstBackupDone());
  ASSERT_EQ(RegDeleteKeyValueW(HKEY_CURRENT_USER, kTestKey, kSeededName), ERROR_SUCCESS);
  Select(-1);
  Press(control(shell::kCmdRestore));
  EXPECT_EQ(boxes().Count(Text("RBC_4")), 0) << "no question without a chosen backup";

  Select(RowOf(TodaysName()));
  boxes().answers = {IDCANCEL};
  Press(control(shell::kCmdRestore));
  EXPECT_EQ(boxes().Count(Text("RBC_4")), 1);
  EXPECT_EQ(boxes().shown.back().title, WindowText(window_->hwnd()));
  EXPECT_FALSE(RegeditRunning());

  boxes().answers = {IDOK};
  Press(control(shell::kCmdRestore));
  EXPECT_EQ(boxes().Count(Text("RBC_4")), 2);
  EXPECT_TRUE(PumpUntil(SeededValuePresent, 120)) << "the value did not come back";
  EXPECT_TRUE(PumpUntil([] { return !RegeditRunning(); }, 120));
  EXPECT_EQ(boxes().Count(Text("RBC_9")), 0);
}

// A second backup on the same day gets a name of its own; the first stays.
TEST_F(HivesafeWindowTest, BackupAgainKeepsTheDaysFirstBackup) {
  ASSERT_TRUE(FirstBackupDone());
  const std::string first = TodaysName();
  const std::string second = first + " (2)";
  const auto first_size = fs::file_size(BackupFile(first));

  Press(control(shell::kCmdBackup));
  for (int id : {shell::kCmdBackup, shell::kCmdRestore, shell::kCmdDelete, shell::kCmdClose}) {
    EXPECT_TRUE(IsWindowEnabled(control(id))) << "button " << id;
  }
  EXPECT_TRUE(PumpUntil([] { return boxes().Count(Text("RBC_7")) >= 2; }, 120))
      << "no completion message for the second backup within 120 s";
  EXPECT_GE(RowOf(second), 0);
  EXPECT_TRUE(ReadExport(BackupFile(second)).starts_with(L"Windows Registry Editor Version 5.00"));
  EXPECT_EQ(fs::file_size(BackupFile(first)), first_size);
}

// Files of the tool's own folder that no export follows: cheap rows to delete.
TEST_F(HivesafeWindowTest, DeleteAsksThenRemovesTheFileAndTheRow) {
  ASSERT_TRUE(FirstBackupDone());
  struct Case {
    const char* what;
    bool select;
    int answer;
    bool asked;
    bool kept;
  };
  const Case cases[] = {
      {"nothing selected", false, IDOK, false, true},
      {"cancelled", true, IDCANCEL, true, true},
      {"confirmed", true, IDOK, true, false},
  };
  const std::string name = "Registry.Backup.reg of a test";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::ofstream(BackupFile(name)) << "REGEDIT4\r\n";
    window_->CheckRegs();
    ASSERT_GE(RowOf(name), 0);
    const int rows = ListView_GetItemCount(list());
    const int asked_before = boxes().Count(Text("RBC_3"));
    Select(c.select ? RowOf(name) : -1);
    boxes().answers = {c.answer};

    Press(control(shell::kCmdDelete));
    EXPECT_EQ(boxes().Count(Text("RBC_3")) - asked_before, c.asked ? 1 : 0);
    EXPECT_EQ(fs::exists(BackupFile(name)), c.kept);
    EXPECT_EQ(RowOf(name) >= 0, c.kept);
    EXPECT_EQ(ListView_GetItemCount(list()), c.kept ? rows : rows - 1);
  }
}

// A "Backups" that cannot be a folder: the tool says so instead of
// following an export that never comes, and Close still ends it.
TEST(HivesafeWindowFailureTest, TellsWhenTheBackupsFolderCannotBeMadeAndCloses) {
  shell::RegisterControlClasses();
  const fs::path folder = MakeProgramFolder(L"hivesafe failure test");
  std::ofstream(folder / L"Backups") << "in the way";
  platform::Win32FileSystem files;
  platform::Win32ProcessRunner runner;
  ScriptedBoxes boxes;
  platform::PhrasebookTexts texts;
  platform::Win32LocaleFormat locale;
  {
    shell::BackupWindow window(files, runner, boxes, texts, locale,
                               platform::WideToUtf8(folder.wstring()));
    ASSERT_TRUE(window.Create());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, texts.GetText("RBC_8"));
    EXPECT_FALSE(texts.GetText("RBC_8").empty());
    EXPECT_EQ(boxes.shown[0].owner, window.hwnd());
    EXPECT_FALSE(RegeditRunning());
    EXPECT_EQ(ListView_GetItemCount(window.control(shell::kLstBackups)), 0);

    EXPECT_FALSE(window.closed());
    Press(window.control(shell::kCmdClose));
    EXPECT_TRUE(window.closed());
    MSG msg{};
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program ends";
  }
  std::error_code ignored;
  fs::remove_all(folder.parent_path(), ignored);
}

}  // namespace
