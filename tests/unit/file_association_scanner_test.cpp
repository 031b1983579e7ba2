// The file association scanner over the in-memory registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/scan_fixture.h"

namespace {

using platform::kClassesRoot;
using Lines = std::vector<std::string>;

class FileAssociationScannerTest : public fakes::ScanFixture {
 protected:
  void SetUp() override {
    window.caption = kept.stop_caption;  // inside a scan
    files.AddFile("C:\\WINDOWS\\notepad.exe");
  }
  void Set(const std::string& path, const std::string& name, const std::string& data) {
    registry.SetString(kClassesRoot, path, name, data);
  }
};

TEST_F(FileAssociationScannerTest, WalksTheExtensionsThatNameAFileType) {
  Set(".txt", "", "txtfile");
  Set(".txt\\ShellNew", "FileName", "C:\\Missing\\template.txt");
  Set(".txt\\ShellNew", "Sound", "C:\\WINDOWS\\notepad.exe");
  Set(".txt\\ShellNew", "Beyond", "Z:\\Missing\\template.txt");
  Set(".txt\\ShellNew", "NoDrive", "%SystemRoot%\\missing.exe");
  Set(".txt\\OpenWithList\\notepad.exe", "", "C:\\Missing\\notepad.exe %1");
  Set(".nodefault", "Other", "text");
  Set(".nodefault\\ShellNew", "FileName", "C:\\Missing\\a.txt");
  Set(".emptydefault", "", "");
  Set(".emptydefault\\ShellNew", "FileName", "C:\\Missing\\b.txt");
  Set("txtfile\\shell\\open\\command", "", "C:\\Missing\\edit.exe %1");
  Set("CLSID\\{0A}\\InprocServer32", "", "C:\\Missing\\c.dll");
  engine.ScanKey("IFA");

  // Sub-keys in name order, values in the order they were made.
  EXPECT_EQ(window.problems,
            (std::vector<scan::ProblemEntry>{
                {"HKEY_CLASSES_ROOT\\.txt\\OpenWithList\\notepad.exe", "",
                 "C:\\Missing\\notepad.exe %1", "Reason 0", "1", ""},
                {"HKEY_CLASSES_ROOT\\.txt\\ShellNew", "FileName", "C:\\Missing\\template.txt",
                 "Reason 0", "1", ""}}));
  EXPECT_EQ(window.Calls("SetStatusPanel"),
            (Lines{"SetStatusPanel 2 .txt : ",
                   "SetStatusPanel 2 .txt\\OpenWithList\\notepad.exe : ",
                   "SetStatusPanel 2 .txt\\ShellNew : FileName",
                   "SetStatusPanel 2 .txt\\ShellNew : Sound",
                   "SetStatusPanel 2 .txt\\ShellNew : Beyond",
                   "SetStatusPanel 2 .txt\\ShellNew : NoDrive"}));
}

TEST_F(FileAssociationScannerTest, RecordsAnExtensionKeyThatHoldsNothing) {
  registry.AddKey(kClassesRoot, ".empty");
  registry.AddKey(kClassesRoot, ".full\\Empty");
  engine.ScanExtensionKey(kClassesRoot, ".empty");
  engine.ScanExtensionKey(kClassesRoot, ".full\\Empty");  // only an extension key itself
  engine.ScanExtensionKey(kClassesRoot, ".missing");      // and only one that opens
  EXPECT_EQ(window.problems, (std::vector<scan::ProblemEntry>{
                                 {"HKEY_CLASSES_ROOT\\.empty", "", "", "Reason 12", "1", ""}}));
}

TEST_F(FileAssociationScannerTest, LeavesExcludedValuesAndKeysAlone) {
  Set(".txt", "", "txtfile");
  Set(".txt\\ShellNew", "FileName", "C:\\Missing\\template.txt");
  Set(".txt\\Other", "FileName", "C:\\Missing\\other.txt");
  Set(".doc", "", "docfile");
  Set(".doc\\ShellNew", "FileName", "C:\\Missing\\template.doc");
  window.rules = {{"ShellNew::FileName :: C:\\Missing\\template.txt", "No", true},
                  {".txt\\Other", "Yes", true}};
  engine.ScanKey("IFA");
  EXPECT_EQ(Locations(), (Lines{"HKEY_CLASSES_ROOT\\.doc\\ShellNew"}));
}

TEST_F(FileAssociationScannerTest, AStopEndsEveryLevelAtItsNextTest) {
  Set(".a", "", "afile");
  Set(".a\\ShellNew", "One", "C:\\Missing\\one.txt");
  Set(".a\\ShellNew", "Two", "C:\\Missing\\two.txt");
  Set(".a\\ZLater", "Three", "C:\\Missing\\three.txt");
  Set(".b", "", "bfile");
  Set(".b\\ShellNew", "Four", "C:\\Missing\\four.txt");
  window.on_yield = [&] {
    if (window.yields == 2) window.caption = kept.idle_caption;  // after the value One
  };
  engine.ScanKey("IFA");
  EXPECT_EQ(Locations(), (Lines{"HKEY_CLASSES_ROOT\\.a\\ShellNew"}));
  // ShellNew ends after One; .a and the extension loop each yield once more.
  EXPECT_EQ(window.yields, 4);
}

}  // namespace
