// tidemark's start under Wine: the main window loads invisible behind the
// start page, "&Next >" and "Repair all" pass between them, "Exit" and
// "Change Language" end the program, a second copy ends unseen, and the
// programs the links start are found by their full path.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/single_instance.h"
#include "tidemark_test_window.h"

namespace {

using tidemark_test::WindowText;
namespace fs = std::filesystem;

std::wstring TestBinary(const wchar_t* name) {
  wchar_t own[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, own, MAX_PATH);
  return (fs::path(own).parent_path() / name).wstring();
}

// The lines a stand-in wrote when it was started, waiting up to 20 s for
// `count` of them.
std::vector<std::string> Starts(const fs::path& program, size_t count) {
  std::vector<std::string> lines;
  for (int tries = 0; tries < 200; ++tries) {
    lines.clear();
    std::ifstream record(fs::path(program.wstring() + L".started"));
    for (std::string line; std::getline(record, line);) lines.push_back(line);
    if (lines.size() >= count) break;
    Sleep(100);
  }
  return lines;
}

bool QuitPosted() {
  MSG msg{};
  return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

class TidemarkStartupTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    shell::RegisterControlClasses();
  }
  void SetUp() override {
    // A folder with a space in its name, holding only what a test puts there.
    folder_ = fs::temp_directory_path() / L"tidemark start test" / L"program folder";
    fs::remove_all(folder_.parent_path());
    fs::create_directories(folder_);
  }
  void TearDown() override {
    window_.reset();
    QuitPosted();
    std::error_code ignored;
    fs::remove_all(folder_.parent_path(), ignored);
  }

  // A program start in the test folder: the main window loads.
  void Start() {
    window_ = std::make_unique<shell::MainWindow>(registry_, files_, texts_, boxes_,
                                                  platform::WideToUtf8(folder_.wstring()));
    ASSERT_TRUE(window_->Create());
    ASSERT_NE(window_->start_page(), nullptr);
  }
  fs::path PlaceStandIn(const wchar_t* name) {
    fs::copy_file(TestBinary(L"stand_in_program.exe"), folder_ / name);
    return folder_ / name;
  }
  HWND Start(int id) const { return window_->start_page()->control(id); }
  void Click(HWND target) { SendMessageW(target, BM_CLICK, 0, 0); }
  void ClickLink(HWND target) { SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, 0); }
  std::string Text(const char* id) { return texts_.GetText(id); }

  tidemark_test::SavedKey settings_{HKEY_CURRENT_USER, tidemark_test::kSettingsKey,
                                    tidemark_test::kSettingsMadeBelow};
  platform::Win32Registry registry_;
  platform::Win32FileSystem files_;
  platform::PhrasebookTexts texts_;
  tidemark_test::ScriptedBoxes boxes_;
  fs::path folder_;
  std::unique_ptr<shell::MainWindow> window_;
};

TEST_F(TidemarkStartupTest, TheStartPageIsTheOnlyWindowUntilNext) {
  Start();
  HWND page = window_->start_page()->hwnd();
  EXPECT_TRUE(IsWindowVisible(page));
  EXPECT_FALSE(IsWindowVisible(window_->hwnd()));

  RECT r{};
  GetWindowRect(page, &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
  const LONG_PTR style = GetWindowLongPtrW(page, GWL_STYLE);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  // "&Next >": the same main window shows, the start page is gone.
  HWND main = window_->hwnd();
  Click(Start(shell::kStartOKButton));
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(window_->start_page(), nullptr);
  EXPECT_FALSE(IsWindow(page));
}

TEST_F(TidemarkStartupTest, EveryCaptionButTheTwoLinksComesFromTheLibrary) {
  Start();
  const std::pair<const char*, int> captions[] = {
      {"HIVECARE_1", 0},
      {"HIVECARE_2", shell::kStartCancelButton},
      {"HIVECARE_3", shell::kStartOKButton},
      {"HIVECARE_4", shell::kStartLabel4},
      {"HIVECARE_5", shell::kStartLabel3},
      {"HIVECARE_6", shell::kStartLabel2},
      {"HIVECARE_7", shell::kStartLabel1},
      {"HIVECARE_8", shell::kStartLabel6},
  };
  for (const auto& [text_id, id] : captions) {
    ASSERT_FALSE(Text(text_id).empty()) << text_id << ": phrasebook.dll beside the test?";
    EXPECT_EQ(WindowText(Start(id)), Text(text_id)) << text_id;
  }
  EXPECT_EQ(WindowText(Start(shell::LinkId(0))), "Change Language");
  EXPECT_EQ(WindowText(Start(shell::LinkId(9))),
            "Click here for more Windows Utilities && Fixes");
}

TEST_F(TidemarkStartupTest, RepairAllBringsTheStartPageBackAndNextTheSameWindow) {
  Start();
  HWND main = window_->hwnd();
  HWND first_page = window_->start_page()->hwnd();
  Click(Start(shell::kStartOKButton));
  window_->AppendProblem({"HKEY_CURRENT_USER\\Software\\SuiteTest\\tidemark_startup_test",
                          "gone", "C:\\missing.exe", "reason", "1", ""});

  ClickLink(window_->control(shell::LinkId(5)));

  EXPECT_FALSE(IsWindowVisible(main));
  ASSERT_NE(window_->start_page(), nullptr);
  EXPECT_NE(window_->start_page()->hwnd(), first_page) << "loaded anew";
  EXPECT_TRUE(IsWindowVisible(window_->start_page()->hwnd()));
  EXPECT_EQ(WindowText(Start(shell::kStartOKButton)), Text("HIVECARE_3"));

  Click(Start(shell::kStartOKButton));
  EXPECT_EQ(window_->hwnd(), main);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(window_->start_page(), nullptr);
}

TEST_F(TidemarkStartupTest, ExitEndsTheProgramWithoutStoringTheAreas) {
  Start();
  ListView_SetCheckState(window_->control(shell::kLvLocations), 0, FALSE);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, tidemark_test::kSettingsKey, 0, KEY_ALL_ACCESS,
                          &key),
            ERROR_SUCCESS);
  RegDeleteValueW(key, L"LocState");

  Click(Start(shell::kStartCancelButton));

  EXPECT_EQ(window_->hwnd(), nullptr);
  EXPECT_TRUE(QuitPosted()) << "the program ends";
  EXPECT_EQ(RegQueryValueExW(key, L"LocState", nullptr, nullptr, nullptr, nullptr),
            ERROR_FILE_NOT_FOUND)
      << "the close step did not run";
  RegCloseKey(key);
}

// Neither language.exe nor hivesafe.exe is in the folder: the links start
// nothing and the program goes on as it was.
TEST_F(TidemarkStartupTest, MissingProgramsLeaveEverythingAsItWas) {
  Start();
  ClickLink(Start(shell::kStartLabel1));
  ClickLink(Start(shell::LinkId(0)));
  ASSERT_NE(window_->start_page(), nullptr);
  EXPECT_TRUE(IsWindowVisible(window_->start_page()->hwnd()));

  Click(Start(shell::kStartOKButton));
  ClickLink(window_->control(shell::LinkId(10)));
  EXPECT_NE(window_->hwnd(), nullptr);
  EXPECT_TRUE(IsWindowVisible(window_->hwnd()));
  EXPECT_FALSE(QuitPosted());
}

TEST_F(TidemarkStartupTest, StartsTheProgramsByTheirFullPath) {
  const fs::path hivesafe = PlaceStandIn(L"hivesafe.exe");
  const fs::path language = PlaceStandIn(L"language.exe");
  const std::string started_as = platform::WideToUtf8(hivesafe.wstring()) + " 1";
  Start();

  // The backup link, twice: two copies; the start page stays.
  ClickLink(Start(shell::kStartLabel1));
  ClickLink(Start(shell::kStartLabel1));
  EXPECT_EQ(Starts(hivesafe, 2), (std::vector<std::string>{started_as, started_as}));
  ASSERT_NE(window_->start_page(), nullptr);

  // "Change Language" starts the changer and ends at once.
  ClickLink(Start(shell::LinkId(0)));
  EXPECT_EQ(Starts(language, 1),
            std::vector<std::string>{platform::WideToUtf8(language.wstring()) + " 1"});
  EXPECT_EQ(window_->hwnd(), nullptr);
  EXPECT_TRUE(QuitPosted());
}

TEST_F(TidemarkStartupTest, TheMainWindowsChangeLanguageLinkEndsTheProgram) {
  const fs::path language = PlaceStandIn(L"language.exe");
  Start();
  Click(Start(shell::kStartOKButton));
  ClickLink(window_->control(shell::LinkId(10)));
  EXPECT_EQ(Starts(language, 1).size(), 1u);
  EXPECT_EQ(window_->hwnd(), nullptr);
  EXPECT_TRUE(QuitPosted());
}

TEST_F(TidemarkStartupTest, ASecondCopyInTheSessionEndsUnseen) {
  constexpr wchar_t kName[] = L"Local\\TidemarkStartupTest";
  shell::MainWindow first(registry_, files_, texts_, boxes_, platform::WideToUtf8(folder_.wstring()));
  ASSERT_TRUE(first.Create(kName));
  {
    shell::MainWindow second(registry_, files_, texts_, boxes_, platform::WideToUtf8(folder_.wstring()));
    EXPECT_FALSE(second.Create(kName));
    EXPECT_TRUE(second.another_copy_running());
    EXPECT_EQ(second.hwnd(), nullptr);
    EXPECT_EQ(second.start_page(), nullptr);
  }
  EXPECT_NE(first.start_page(), nullptr) << "the first copy goes on";
}

TEST(SingleInstance, TheNameIsFreeAgainWhenItsHolderEnds) {
  constexpr wchar_t kName[] = L"Local\\TidemarkStartupTestMutex";
  {
    platform::SingleInstance holder;
    ASSERT_TRUE(holder.Claim(kName));
    platform::SingleInstance later;
    EXPECT_FALSE(later.Claim(kName));
  }
  platform::SingleInstance after;
  EXPECT_TRUE(after.Claim(kName));
}

// The real program, twice: the second ends by itself while the first runs.
TEST(TidemarkProgram, ASecondRunEndsWhileTheFirstRuns) {
  std::wstring program = L"Z:" + platform::Utf8ToWide(SUITE_PROGRAM_DIR "/tidemark.exe");
  for (wchar_t& c : program) c = c == L'/' ? L'\\' : c;
  const auto run = [&](PROCESS_INFORMATION& process) {
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup{sizeof startup};
    return CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process) != 0;
  };
  PROCESS_INFORMATION first{};
  ASSERT_TRUE(run(first)) << "no " << platform::WideToUtf8(program);
  WaitForInputIdle(first.hProcess, 20000);
  PROCESS_INFORMATION second{};
  ASSERT_TRUE(run(second));
  EXPECT_EQ(WaitForSingleObject(second.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(second.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(WaitForSingleObject(first.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT))
      << "the first copy still runs";
  TerminateProcess(first.hProcess, 0);
  WaitForSingleObject(first.hProcess, 10000);
  for (const PROCESS_INFORMATION& p : {first, second}) {
    CloseHandle(p.hThread);
    CloseHandle(p.hProcess);
  }
}

}  // namespace
