// The shared DLL scanner over the in-memory registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/scan_fixture.h"

namespace {

using platform::kLocalMachine;
using Lines = std::vector<std::string>;

constexpr const char* kShared = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";

class SharedDllScannerTest : public fakes::ScanFixture {
 protected:
  void SetUp() override {
    window.caption = kept.stop_caption;  // inside a scan
    files.AddFile("C:\\WINDOWS\\system32\\present.dll");
  }
  void Shared(const std::string& path, const std::string& name, std::uint32_t count = 1) {
    registry.SetDword(kLocalMachine, path, name, count);
  }
};

TEST_F(SharedDllScannerTest, RecordsNamesOfMissingFiles) {
  Shared(kShared, "C:\\WINDOWS\\system32\\present.dll");
  Shared(kShared, "C:\\Missing\\gone.dll", 3);
  Shared(kShared, "R:\\Missing\\judged.dll");
  Shared(kShared, "U:\\Missing\\beyond.dll");
  Shared(kShared, "   ");
  registry.SetString(kLocalMachine, kShared, "", "C:\\Missing\\default.dll");
  window.rules = {{"gone.dll", "No", true}};  // no exclusion applies here
  engine.ScanKey("DLL");

  EXPECT_EQ(window.problems,
            (std::vector<scan::ProblemEntry>{
                {std::string("HKEY_LOCAL_MACHINE\\") + kShared, "C:\\Missing\\gone.dll", "3",
                 "Reason 10", "4", ""},
                {std::string("HKEY_LOCAL_MACHINE\\") + kShared, "R:\\Missing\\judged.dll", "1",
                 "Reason 10", "4", ""}}));
}

TEST_F(SharedDllScannerTest, ShowsEachSubKeyInPanelTwoAndVisitsItDepthFirst) {
  Shared("Shared\\A\\Deep", "C:\\Missing\\deep.dll");
  Shared("Shared\\A", "C:\\Missing\\a.dll");
  Shared("Shared\\B", "C:\\Missing\\b.dll");
  engine.ScanSharedDlls(kLocalMachine, "Shared");

  EXPECT_EQ(Locations(), (Lines{"HKEY_LOCAL_MACHINE\\Shared\\A",
                                "HKEY_LOCAL_MACHINE\\Shared\\A\\Deep",
                                "HKEY_LOCAL_MACHINE\\Shared\\B"}));
  EXPECT_EQ(window.Calls("SetStatusPanel"), (Lines{"SetStatusPanel 2 Shared : A",
                                                   "SetStatusPanel 2 Shared\\A : Deep",
                                                   "SetStatusPanel 2 Shared\\ : B"}));
}

TEST_F(SharedDllScannerTest, AMissingKeyGivesNothing) {
  engine.ScanKey("DLL");
  EXPECT_TRUE(window.problems.empty());
  EXPECT_TRUE(window.messages.empty());
}

TEST_F(SharedDllScannerTest, AStopEndsTheScanAfterTheValueAtHand) {
  Shared(kShared, "C:\\Missing\\one.dll");
  Shared(kShared, "C:\\Missing\\two.dll");
  Shared(std::string(kShared) + "\\Sub", "C:\\Missing\\three.dll");
  window.on_yield = [&] { window.caption = kept.idle_caption; };
  engine.ScanKey("DLL");

  ASSERT_EQ(window.problems.size(), 1u);
  EXPECT_EQ(window.problems[0].value_name, "C:\\Missing\\one.dll");
  EXPECT_EQ(window.yields, 1);
  EXPECT_TRUE(window.Calls("SetStatusPanel").empty());
}

TEST_F(SharedDllScannerTest, OnlyTheFirstStartCaptionEndsItAtEntry) {
  Shared(kShared, "C:\\Missing\\one.dll");
  Shared(kShared, "C:\\Missing\\two.dll");
  window.caption = texts.GetText("HIVECARE_REGCLEANER_STRING_306");
  engine.ScanKey("DLL");  // enters, then stops at the first stop test
  EXPECT_EQ(window.problems.size(), 1u);

  window.problems.clear();
  window.caption = kept.idle_caption;
  engine.ScanKey("DLL");
  EXPECT_TRUE(window.problems.empty());
}

}  // namespace
