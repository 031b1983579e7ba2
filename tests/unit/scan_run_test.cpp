#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/scan_fixture.h"

namespace {

using fakes::ShownMessage;
using platform::kCurrentUser;
using platform::kLocalMachine;
using platform::kUsers;
using Lines = std::vector<std::string>;

constexpr const char* kMissing = "C:\\Missing\\app.exe";
const ShownMessage kDone{"Scan complete", "Hivecare", scan::kMbOk | scan::kMbIconInformation};

class ScanRunTest : public fakes::ScanFixture {
 protected:
  // `count` broken values in one key under HKCU\software.
  void SeedBroken(int count) {
    for (int i = 0; i < count; ++i) {
      registry.SetString(kCurrentUser, "Software\\Vendor", "v" + std::to_string(i), kMissing);
    }
  }
};

TEST_F(ScanRunTest, NoAreaChecked) {
  SeedBroken(1);
  CheckAreas({});
  engine.OnScanPressed();

  EXPECT_EQ(window.messages, (std::vector<ShownMessage>{{"No area to scan", "", scan::kMbOk}, kDone}));
  EXPECT_TRUE(window.problems.empty());
  EXPECT_EQ(engine.ProblemCount(), 0);
  EXPECT_EQ(window.Calls("SetStatusPanel"), (Lines{"SetStatusPanel 1 Problems: 0",
                                                   "SetStatusPanel 2 Found: 0"}));
  EXPECT_EQ(window.Calls("SetCountLabel"),
            (Lines{"SetCountLabel 0 Registry Errors or Problems Found"}));
  EXPECT_EQ(window.caption, kept.idle_caption);
}

TEST_F(ScanRunTest, NormalScan) {
  SeedBroken(2);
  CheckAreas({"HKCU", "HKU", "HKLM", "DLL", "VDD", "FONT", "IFA", "COM"});
  engine.OnScanPressed();

  EXPECT_EQ(Locations(), (Lines{"HKEY_CURRENT_USER\\software\\Vendor",
                                "HKEY_CURRENT_USER\\software\\Vendor"}));
  EXPECT_EQ(window.messages, (std::vector<ShownMessage>{kDone}));
  EXPECT_EQ(window.Calls("SetScanCaption"),
            (Lines{"SetScanCaption &Stop", "SetScanCaption &Search for problems >"}));
  EXPECT_EQ(window.Calls("SetScanLinkCaption"),
            (Lines{"SetScanLinkCaption &Stop", "SetScanLinkCaption Scan again"}));
  EXPECT_EQ(window.Calls("EnableLink"),
            (Lines{"EnableLink 1 0", "EnableLink 3 0", "EnableLink 5 1", "EnableLink 6 1",
                   "EnableLink 1 1", "EnableLink 3 1", "EnableLink 4 1"}));
  EXPECT_EQ(window.Calls("EnableProblemList"),
            (Lines{"EnableProblemList 0", "EnableProblemList 1"}));
  EXPECT_EQ(window.Calls("SetStatusPanel"), (Lines{"SetStatusPanel 1 Problems: 2",
                                                   "SetStatusPanel 2 Found: 2"}));
  const std::string label = "SetCountLabel 2 Registry Errors or Problems Found";
  EXPECT_EQ(window.Calls("SetCountLabel"),
            (Lines{"SetCountLabel 1 Registry Errors or Problems Found", label, label}));
  EXPECT_EQ(window.Calls("ShowProgress"), (Lines{"ShowProgress 1", "ShowProgress 0"}));
  EXPECT_EQ(window.Calls("SetBusyCursor").front(), "SetBusyCursor 1");
  EXPECT_EQ(window.Calls("SetBusyCursor").back(), "SetBusyCursor 0");

  // The clip turns from the first step to the closing ones.
  EXPECT_EQ(window.log.front(), "PlayClip C:\\Program Files\\Suite\\clock.avi");
  EXPECT_EQ(window.Calls("PlayClip").size(), 1u);
  EXPECT_EQ(window.log.back(), "StopClip");
  // The old rows go before the scan starts.
  EXPECT_EQ(window.Calls("ClearProblems").size(), 1u);
}

TEST_F(ScanRunTest, APressDuringTheScanStopsIt) {
  SeedBroken(5);
  registry.SetString(kUsers, "S-1", "v", kMissing);
  CheckAreas({"HKCU", "HKU"});
  // The first yields come before the area starts: press after the third value.
  const int press_at = 2 + 3;
  int queries_at_press = 0;
  window.on_yield = [&] {
    if (window.yields != press_at) return;
    engine.OnScanPressed();
    queries_at_press = files.QueryCount();
  };
  engine.OnScanPressed();

  EXPECT_EQ(window.problems.size(), 3u) << "the rows found before the stop stay";
  EXPECT_EQ(files.QueryCount(), queries_at_press) << "nothing examined after the stop";
  EXPECT_EQ(window.messages, (std::vector<ShownMessage>{kDone, kDone}));
  EXPECT_EQ(window.caption, kept.idle_caption);
  EXPECT_EQ(window.link_caption, "Scan again");
  EXPECT_EQ(window.Calls("SetScanCaption"),
            (Lines{"SetScanCaption &Stop", "SetScanCaption &Search for problems >"}));
  EXPECT_EQ(window.Calls("SetStatusPanel"),
            (Lines{"SetStatusPanel 1 Problems: 3", "SetStatusPanel 2 Found: 3",
                   "SetStatusPanel 1 Problems: 3", "SetStatusPanel 2 Found: 3"}));
  EXPECT_EQ(window.Calls("ClearProblems").size(), 1u) << "the stop press starts no scan";
}

TEST_F(ScanRunTest, ProgressClimbsByThreeAndFallsBackToOne) {
  SeedBroken(32);
  CheckAreas({"HKCU"});
  engine.OnScanPressed();

  std::vector<int> expected;
  for (int value = 3; value <= 93; value += 3) expected.push_back(value);
  expected.insert(expected.end(), {1, 4, 1});  // 96 falls back; the closing steps set 1
  EXPECT_EQ(window.progress, expected);
  EXPECT_EQ(engine.ProgressValue(), 1);

  // The next scan starts from 1.
  window.progress.clear();
  engine.OnScanPressed();
  EXPECT_EQ(window.progress.front(), 4);
}

TEST_F(ScanRunTest, WithoutTheLanguageLibraryNothingIsExamined) {
  fakes::MapTextSource no_texts;
  const scan::KeptTexts empty = scan::KeptTexts::Load(no_texts);
  fakes::ScriptedScanWindow bare;  // its captions are the empty texts as well
  bare.areas = scan::DefaultScanAreas(no_texts);
  scan::ScanEngine bare_engine(registry, files, no_texts, bare, empty);
  SeedBroken(1);

  bare_engine.OnScanPressed();
  EXPECT_TRUE(bare.problems.empty());
  EXPECT_EQ(files.QueryCount(), 0);
  EXPECT_EQ(bare.messages, (std::vector<ShownMessage>{{"", "", scan::kMbOk | scan::kMbIconInformation}}));
  EXPECT_EQ(bare.Calls("SetCountLabel"), (Lines{"SetCountLabel 0"}));
}

TEST_F(ScanRunTest, StartCaptionsAreTheSecondToo) {
  SeedBroken(1);
  CheckAreas({"HKCU"});
  window.caption = "Search again >";
  engine.OnScanPressed();
  EXPECT_EQ(window.problems.size(), 1u);

  window.caption = "Something else";  // neither start nor stop: only the closing steps
  engine.OnScanPressed();
  EXPECT_EQ(window.problems.size(), 1u);
  EXPECT_EQ(window.caption, "Something else");
}

struct Dispatch {
  const char* code;
  Lines locations;
};

TEST_F(ScanRunTest, ScanKeyStartsTheScannerOfAnArea) {
  window.caption = kept.stop_caption;
  registry.SetString(kCurrentUser, "Software\\Vendor", "v", kMissing);
  registry.SetString(kCurrentUser, "Other", "v", kMissing);
  registry.SetString(kUsers, "S-1", "v", kMissing);
  registry.SetString(kLocalMachine, "SOFTWARE\\Vendor", "v", kMissing);
  registry.SetString(kLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\VxD\\drv", "v", kMissing);

  const Dispatch cases[] = {
      {"HKCU", {"HKEY_CURRENT_USER\\software\\Vendor"}},
      {"HKU", {"HKEY_USERS\\S-1"}},
      {"HKLM", {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor",
                "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\VxD\\drv"}},
      {"VDD", {"HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\VxD\\drv"}},
      {"hkcu", {}},
      {"HKCU ", {}},
      {"", {}},
  };
  for (const Dispatch& c : cases) {
    window.problems.clear();
    engine.ScanKey(c.code);
    EXPECT_EQ(Locations(), c.locations) << "'" << c.code << "'";
  }
}

}  // namespace
