// What the backup tool needs of Windows, against the real thing: the real
// registry editor started hidden, the user's date format, and the texts of
// the web page opener's failure message.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "../unit/fakes/map_text_source.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/web_page.h"
#include "platform/win32/win32_locale_format.h"
#include "platform/win32/win32_process_runner.h"

#include <windows.h>
#include <shellapi.h>

namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

constexpr wchar_t kTestKey[] = L"Software\\SuiteTest\\backupplat";
constexpr char kReleaseFlag[] = "--backupplat-release=";

std::string WindowsFolder() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
  return platform::WideToUtf8(std::wstring_view(folder, length));
}

std::string OwnPath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return platform::WideToUtf8(std::wstring_view(path, length));
}

// Polls until the process ends; false when it is still running at the end.
bool WaitForEnd(platform::RunningProcess& process, seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!process.HasEnded()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return true;
}

// A UTF-16 LE file with its byte order mark, as UTF-8 without the mark.
std::string ReadUtf16File(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), {}};
  if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) return "(no UTF-16 BOM)";
  std::wstring wide((bytes.size() - 2) / 2, L'\0');
  std::memcpy(wide.data(), bytes.data() + 2, wide.size() * sizeof(wchar_t));
  return platform::WideToUtf8(wide);
}

class ProcessRunnerTest : public testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    const std::wstring data = L"backup value";
    RegSetValueExW(key, L"Seeded", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    // A space in the folder's name: the command line must keep it whole.
    folder_ = fs::temp_directory_path() / L"backupplat export";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  platform::Win32ProcessRunner runner_;
  fs::path folder_;
};

TEST_F(ProcessRunnerTest, RegistryEditorExportsTheSeededKeyIntoAFolderWithASpace) {
  const std::string regedit = WindowsFolder() + "\\regedit.exe";
  const fs::path out = folder_ / L"out file.reg";
  const std::string command_line = "\"" + regedit + "\" /e \"" + platform::WideToUtf8(out.wstring()) +
                                   "\" HKEY_CURRENT_USER\\Software\\SuiteTest\\backupplat";

  const auto process = runner_.StartHidden(regedit, command_line);
  ASSERT_NE(process, nullptr);
  ASSERT_TRUE(WaitForEnd(*process, seconds(60)));
  EXPECT_TRUE(process->HasEnded()) << "an ended process stays ended";

  const std::string text = ReadUtf16File(out);
  EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00", 0), 0u) << text;
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\SuiteTest\\backupplat]"), std::string::npos)
      << text;
  EXPECT_NE(text.find("\"Seeded\"=\"backup value\""), std::string::npos) << text;
}

TEST_F(ProcessRunnerTest, MissingApplicationStartsNothing) {
  const std::string missing = platform::WideToUtf8((folder_ / L"no such program.exe").wstring());
  EXPECT_EQ(runner_.StartHidden(missing, "\"" + missing + "\""), nullptr);
}

// A named event that both processes open; closed when it goes out of scope.
struct Event {
  explicit Event(const std::string& name)
      : handle(CreateEventW(nullptr, TRUE, FALSE, platform::Utf8ToWide(name).c_str())) {}
  ~Event() {
    if (handle) CloseHandle(handle);
  }
  HANDLE handle;
};

// This test program again, running only the child below: it signals
// "<name>-ready" and waits for "<name>-go", so the parent knows it is alive
// and decides when it ends.
TEST_F(ProcessRunnerTest, ARunningProcessHasNotEndedUntilItExits) {
  const std::string name = "backupplat-child-" + std::to_string(GetCurrentProcessId());
  Event ready(name + "-ready");
  Event go(name + "-go");
  ASSERT_NE(ready.handle, nullptr);
  ASSERT_NE(go.handle, nullptr);
  const std::string self = OwnPath();
  const auto child = runner_.StartHidden(
      self, "\"" + self + "\" --gtest_also_run_disabled_tests"
                          " --gtest_filter=ChildProcess.DISABLED_WaitsForTheParent " +
                kReleaseFlag + name);
  ASSERT_NE(child, nullptr);

  const bool started = WaitForSingleObject(ready.handle, 60'000) == WAIT_OBJECT_0;
  const bool ended_while_waiting = child->HasEnded();
  SetEvent(go.handle);
  ASSERT_TRUE(started);
  EXPECT_FALSE(ended_while_waiting);
  EXPECT_TRUE(WaitForEnd(*child, seconds(60)));
}

// Run only as the child of the test above (named on its command line).
TEST(ChildProcess, DISABLED_WaitsForTheParent) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::string name;
  for (int i = 1; i < count; ++i) {
    const std::string argument = platform::WideToUtf8(arguments[i]);
    if (argument.rfind(kReleaseFlag, 0) == 0) name = argument.substr(std::size(kReleaseFlag) - 1);
  }
  LocalFree(arguments);
  ASSERT_FALSE(name.empty());
  Event ready(name + "-ready");
  Event go(name + "-go");
  SetEvent(ready.handle);
  // Bounded, so a parent that failed never leaves this process behind.
  WaitForSingleObject(go.handle, 60'000);
}

// ---------------------------------------------------------------------------
// Locale format.

TEST(LocaleFormatTest, ShortDateWritesTheLocalDateInTheUserFormat) {
  // Noon UTC on 9 December 2010 is still that day in any zone less than 11
  // hours from UTC, standard or daylight time.
  TIME_ZONE_INFORMATION zone{};
  GetTimeZoneInformation(&zone);
  for (const LONG bias : {zone.Bias + zone.StandardBias, zone.Bias + zone.DaylightBias}) {
    if (bias <= -11 * 60 || bias >= 11 * 60) GTEST_SKIP() << "zone too far from UTC";
  }
  SYSTEMTIME day{};
  day.wYear = 2010;
  day.wMonth = 12;
  day.wDay = 9;
  wchar_t expected[128] = {};
  ASSERT_GT(GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, expected,
                           std::size(expected)),
            0);

  platform::Win32LocaleFormat locale;
  const std::string date = locale.ShortDate(1291896000);  // 2010-12-09 12:00:00 UTC
  EXPECT_EQ(date, platform::WideToUtf8(expected));
  // Day and month hold no "10": it can only come from the year.
  EXPECT_NE(date.find("10"), std::string::npos) << date;
}

TEST(LocaleFormatTest, ShortDateBeforeWindowsTimeBeginsIsEmpty) {
  platform::Win32LocaleFormat locale;
  EXPECT_EQ(locale.ShortDate(-12'000'000'000), "");
}

TEST(LocaleFormatTest, DecimalSeparatorIsAShortText) {
  platform::Win32LocaleFormat locale;
  const std::string separator = locale.DecimalSeparator();
  EXPECT_FALSE(separator.empty());
  EXPECT_LE(separator.size(), 12u);
}

// ---------------------------------------------------------------------------
// The web page opener's failure message.

TEST(WebPageFailureTest, HivesafeTakesItsTextsFromTheLibrary) {
  const std::string address = platform::kMakerWebAddress;
  struct Case {
    std::map<std::string, std::string, std::less<>> texts;
    std::string prompt;
    std::string title;
  };
  const Case cases[] = {
      {{{"msgErrConnect", "Could not reach"}, {"msgBrowser", "Browser"}},
       "Could not reach " + address,
       "Browser"},
      // Without the language library: a lone space before the address.
      {{}, " " + address, ""},
  };
  for (const Case& c : cases) {
    fakes::MapTextSource texts(c.texts);
    const platform::WebPageFailure failure = platform::HivesafeWebPageFailure(texts, address);
    EXPECT_EQ(failure.prompt, c.prompt);
    EXPECT_EQ(failure.title, c.title);
  }
}

}  // namespace
