// tidemark's scan end to end, in-process: the real main window over the real
// registry, file system and language library. Values seeded under
// HKCU\Software\SuiteTest\scan, the real scan button pressed with BM_CLICK,
// the message boxes answered through the seam, the rows read back from the
// real list view.
#include <string>
#include <vector>

#include "tidemark_test_window.h"

namespace {

using tidemark_test::WindowText;

constexpr wchar_t kTestKey[] = L"Software\\SuiteTest\\scan";
// As the scan shows it: the HKCU area starts at the key "software".
constexpr char kShownKey[] = "HKEY_CURRENT_USER\\software\\SuiteTest\\scan";

using tidemark_test::Row;
using tidemark_test::Rows;
using tidemark_test::Seed;

bool UnderTestKey(const Row& row) {
  const std::string& location = row[0];
  return location == kShownKey || location.rfind(std::string(kShownKey) + "\\", 0) == 0;
}

std::string PanelText(HWND status, int panel) {
  wchar_t buffer[512] = {};
  SendMessageW(status, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(buffer));
  return platform::WideToUtf8(buffer);
}

class TidemarkScanTest : public tidemark_test::MainWindowTest {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    MainWindowTest::SetUp();
    ASSERT_EQ(ListView_GetItemCount(control(shell::kLvLocations)), 8);
  }

  void TearDown() override {
    window_.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\SuiteTest");  // only when no test left keys in it
    if (!sound_file_.empty()) DeleteFileW(sound_file_.c_str());
    MainWindowTest::TearDown();
  }

  void SeedValues(const std::vector<Seed>& seeds) { tidemark_test::SeedValues(kTestKey, seeds); }

  // A file that exists for as long as the test runs.
  std::wstring MakeSoundFile() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    sound_file_ = std::wstring(folder) + L"tidemark_scan_sound.exe";
    HANDLE file = CreateFileW(sound_file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    return sound_file_;
  }

  // Label1 and both status bar panels show `count`.
  void ExpectCountsShow(int count) {
    const std::string n = std::to_string(count);
    EXPECT_EQ(WindowText(control(shell::kLabel1)), n + Text("HIVECARE_REGCLEANER_STRING_20"));
    EXPECT_EQ(PanelText(control(shell::kSBarMain), 0), Text("HIVECARE_REGCLEANER_STRING_19") + n);
    EXPECT_EQ(PanelText(control(shell::kSBarMain), 1), Text("HIVECARE_REGCLEANER_STRING_21") + n);
  }

  void ExpectIdle() {
    EXPECT_EQ(WindowText(control(shell::kCmdScan)), Text("HIVECARE_REGCLEANER_STRING_305"));
    EXPECT_TRUE(IsWindowEnabled(control(shell::kLvInvalidLoc)));
  }

  std::wstring sound_file_;
};

TEST_F(TidemarkScanTest, ListsExactlyTheBrokenValuesOfTheCheckedArea) {
  ASSERT_FALSE(Text("HIVECARE_REGCLEANER_STRING_3").empty()) << "phrasebook.dll beside the test?";
  SeedValues({
      {L"", L"missing", REG_SZ, L"C:\\missing\\x.exe"},
      {L"", L"sound", REG_SZ, MakeSoundFile()},
      {L"", L"notepad", REG_SZ, L"C:\\windows\\notepad.exe"},
      {L"", L"beyond P", REG_SZ, L"Q:\\tools\\run.exe"},
      {L"", L"expand", REG_EXPAND_SZ, L"%SystemRoot%\\system32\\gone.dll"},
      {L"", L"number", REG_DWORD, L"", 42},
      {L"sub", L"gone", REG_SZ, L"\"C:\\missing\\y.exe\" /s"},
  });
  CheckOnly(0);  // HKEY_CURRENT_USER

  PressScan();

  const std::vector<Row> rows = Rows(control(shell::kLvInvalidLoc));
  std::vector<Row> seeded;
  for (const Row& row : rows) {
    EXPECT_EQ(row[0].rfind("HKEY_CURRENT_USER\\software\\", 0), 0u) << row[0];
    if (UnderTestKey(row)) seeded.push_back(row);
  }
  const std::string reason = Text("HIVECARE_REGCLEANER_STRING_3");
  const std::vector<Row> expected = {
      {kShownKey, "missing", "C:\\missing\\x.exe", reason, "1", ""},
      {std::string(kShownKey) + "\\sub", "gone", "\"C:\\missing\\y.exe\" /s", reason, "1", ""},
  };
  EXPECT_EQ(seeded, expected);

  ExpectCountsShow(static_cast<int>(rows.size()));
  ExpectIdle();
  EXPECT_EQ(boxes_.Count(Text("HIVECARE_REGCLEANER_STRING_91")), 1);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].title, Text("HIVECARE_REGCLEANER_STRING_92"));
  EXPECT_EQ(boxes_.shown[0].style, static_cast<unsigned>(scan::kMbIconInformation));
}

// A second press while the scan runs: it arrives in the scan's first pump,
// which finds the stop caption, so the scan ends early with the completion
// message shown by both presses and the rows found so far kept.
TEST_F(TidemarkScanTest, SecondPressStopsTheScan) {
  constexpr int kBroken = 300;  // far more than a scan checks between two pumps
  std::vector<Seed> seeds;
  for (int i = 0; i < kBroken; ++i) {
    const std::wstring n = std::to_wstring(i);
    seeds.push_back({L"", L"v" + n, REG_SZ, L"C:\\missing\\stop\\app" + n + L".exe"});
  }
  SeedValues(seeds);
  CheckOnly(0);

  PostMessageW(control(shell::kCmdScan), BM_CLICK, 0, 0);
  PressScan();

  EXPECT_EQ(boxes_.Count(Text("HIVECARE_REGCLEANER_STRING_91")), 2);
  const std::vector<Row> rows = Rows(control(shell::kLvInvalidLoc));
  int seeded = 0;
  for (const Row& row : rows) seeded += UnderTestKey(row);
  EXPECT_LT(seeded, kBroken);
  ExpectCountsShow(static_cast<int>(rows.size()));
  ExpectIdle();
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, control(shell::kCmdScan), 0, 0, PM_NOREMOVE))
      << "the second press was never handled";
}

// The close box during a scan: the window goes, the scan unwinds at its
// next stop test without a word, and the program's loop is told to end.
TEST_F(TidemarkScanTest, ClosingTheWindowEndsTheScan) {
  CheckOnly(0);
  PostMessageW(window_->hwnd(), WM_CLOSE, 0, 0);

  PressScan();

  EXPECT_EQ(window_->hwnd(), nullptr);
  EXPECT_TRUE(boxes_.shown.empty());
  MSG msg{};
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(TidemarkScanTest, NoAreaCheckedSaysSoAndFindsNothing) {
  CheckOnly(-1);

  PressScan();

  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_EQ(boxes_.shown[0].text, Text("HIVECARE_REGCLEANER_STRING_18"));
  EXPECT_EQ(boxes_.shown[0].style, static_cast<unsigned>(scan::kMbOk));
  EXPECT_EQ(boxes_.shown[1].text, Text("HIVECARE_REGCLEANER_STRING_91"));
  EXPECT_EQ(ListView_GetItemCount(control(shell::kLvInvalidLoc)), 0);
  ExpectCountsShow(0);
  ExpectIdle();
}

}  // namespace
