// The font scanner over the in-memory registry and file system.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/scan_fixture.h"

namespace {

using platform::kLocalMachine;
using Lines = std::vector<std::string>;

constexpr const char* kFonts = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts";
constexpr const char* kNtFonts = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
constexpr int kCsidlFonts = 20;

class FontScannerTest : public fakes::ScanFixture {
 protected:
  void SetUp() override {
    window.caption = kept.stop_caption;  // inside a scan
    files.SetSpecialFolder(kCsidlFonts, "C:\\WINDOWS\\Fonts");
    files.AddFile("C:\\WINDOWS\\Fonts\\present.ttf");
    files.AddFile("C:\\Users\\Ann\\AppData\\Local\\Microsoft\\Windows\\Fonts\\mine.ttf");
  }
  void Font(const std::string& path, const std::string& name, const std::string& data) {
    registry.SetString(kLocalMachine, path, name, data);
  }
};

TEST_F(FontScannerTest, JudgesTheFontFileOfEachValue) {
  const std::pair<const char*, bool> cases[] = {
      {"present.ttf", false},
      {"PRESENT.TTF", false},
      {"gone.ttf", true},
      {"", false},  // nothing to check
      {"C:\\WINDOWS\\Fonts\\present.ttf", false},
      // a full path is checked alone, not after the fonts folder
      {"C:\\Users\\Ann\\AppData\\Local\\Microsoft\\Windows\\Fonts\\mine.ttf", false},
      {"C:\\Users\\Ann\\AppData\\Local\\Microsoft\\Windows\\Fonts\\gone.ttf", true},
      {"D:\\fonts\\gone.ttf", true},
  };
  for (const auto& [data, recorded] : cases) {
    Font(kNtFonts, "Face (TrueType)", data);
    window.problems.clear();
    engine.ScanKey("FONT");
    if (recorded) {
      EXPECT_EQ(window.problems,
                (std::vector<scan::ProblemEntry>{{std::string("HKEY_LOCAL_MACHINE\\") + kNtFonts,
                                                  "Face (TrueType)", data, "Reason 11", "1", ""}}));
    } else {
      EXPECT_TRUE(window.problems.empty()) << data;
    }
  }
}

TEST_F(FontScannerTest, AFullPathIsNotPutAfterTheFontsFolder) {
  // Joined to a fonts folder whose path holds a dot, a full path would read
  // as missing: the text before its drive letter names no file.
  files.SetSpecialFolder(kCsidlFonts, "C:\\WINNT.0\\Fonts");
  files.AddFile("C:\\WINNT.0\\Fonts\\bare.ttf");
  Font(kFonts, "Bare", "bare.ttf");
  Font(kFonts, "Full", "C:\\WINDOWS\\Fonts\\present.ttf");
  Font(kFonts, "Gone", "C:\\WINNT.0\\Fonts\\gone.ttf");
  engine.ScanFontKey(kLocalMachine, kFonts);
  ASSERT_EQ(window.problems.size(), 1u);
  EXPECT_EQ(window.problems[0].value_name, "Gone");
}

TEST_F(FontScannerTest, WithoutAFontsFolderTheDataIsCheckedAlone) {
  files.SetSpecialFolder(kCsidlFonts, "");
  files.SetCurrentDirectory("C:\\WINDOWS\\Fonts");
  Font(kFonts, "Relative", "present.ttf");
  Font(kFonts, "Missing", "gone.ttf");
  engine.ScanFontKey(kLocalMachine, kFonts);
  ASSERT_EQ(window.problems.size(), 1u);
  EXPECT_EQ(window.problems[0].value_name, "Missing");
}

TEST_F(FontScannerTest, ScansBothListsAndTheirSubKeys) {
  Font(kFonts, "First", "gone1.ttf");
  Font(std::string(kFonts) + "\\Sub", "Deeper", "gone2.ttf");
  Font(kNtFonts, "Second", "gone3.ttf");
  window.rules = {{"gone", "No", true}};  // no exclusion applies here
  engine.ScanKey("FONT");
  EXPECT_EQ(Locations(), (Lines{std::string("HKEY_LOCAL_MACHINE\\") + kFonts,
                                std::string("HKEY_LOCAL_MACHINE\\") + kFonts + "\\Sub",
                                std::string("HKEY_LOCAL_MACHINE\\") + kNtFonts}));
  EXPECT_TRUE(window.Calls("SetStatusPanel").empty());
}

TEST_F(FontScannerTest, AMissingFirstListLeavesTheSecond) {
  Font(kNtFonts, "Second", "gone.ttf");
  engine.ScanKey("FONT");
  EXPECT_EQ(Locations(), (Lines{std::string("HKEY_LOCAL_MACHINE\\") + kNtFonts}));
}

TEST_F(FontScannerTest, AStopIsSeenAtTheNextKey) {
  // The scanner yields once per key, before opening it; its loops only test.
  Font(kFonts, "One", "gone1.ttf");
  Font(kFonts, "Two", "gone2.ttf");
  Font(std::string(kFonts) + "\\A", "Three", "gone3.ttf");
  Font(std::string(kFonts) + "\\B", "Four", "gone4.ttf");
  Font(kNtFonts, "Five", "gone5.ttf");
  window.on_yield = [&] { window.caption = kept.idle_caption; };
  engine.ScanKey("FONT");

  ASSERT_EQ(window.problems.size(), 1u);
  EXPECT_EQ(window.problems[0].value_name, "One");
  EXPECT_EQ(window.yields, 1);  // the sub-key A and the second list return at entry
}

}  // namespace
