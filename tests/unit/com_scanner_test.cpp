// The COM registration scanner over the in-memory registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/scan_fixture.h"

namespace {

using platform::kClassesRoot;
using platform::kLocalMachine;
using Lines = std::vector<std::string>;

constexpr const char* kClasses = "software\\classes\\CLSID";
constexpr const char* kClass = "software\\classes\\CLSID\\{0A}";

class ComScannerTest : public fakes::ScanFixture {
 protected:
  void SetUp() override {
    window.caption = kept.stop_caption;  // inside a scan
    files.AddFile("C:\\Present\\server.dll");
  }
};

scan::ExcludeRule Rule(std::string text) { return {std::move(text), "No", true}; }

struct RuleCase {
  const char* key;   // below the class key; "" is the class key itself
  const char* name;  // value name, "" for the default value
  const char* data;
  std::vector<std::string> registered;  // keys under HKEY_CLASSES_ROOT
  int entry;                            // reason entry recorded, -1 for none
  std::vector<scan::ExcludeRule> rules = {};
};

TEST_F(ComScannerTest, JudgesEachValueByTheFirstRuleWhoseConditionHolds) {
  const RuleCase cases[] = {
      // 1: a drive path, whatever the key and name
      {"InprocServer32", "", "C:\\Missing\\server.dll", {}, 0},
      {"InprocServer32", "", "C:\\Present\\server.dll", {}, -1},
      {"", "Anything", "\"C:\\Missing\\server.dll\" /s", {}, 0},
      {"InprocServer32", "", "P:\\Missing\\server.dll", {}, 0},
      {"InprocServer32", "", "p:\\Missing\\server.dll", {}, 0},
      {"InprocServer32", "", "Q:\\Missing\\server.dll", {}, -1},
      {"InprocServer32", "", "Z:\\Missing\\server.dll", {}, -1},
      {"InprocServer32", "", "1:\\Missing\\server.dll", {}, -1},
      {"InprocServer32", "", ":\\Missing\\server.dll", {}, 0},  // no letter: the check decides
      // ... and it decides alone: a sound path under ProgID is not looked up
      {"ProgID", "", "C:\\Present\\server.dll", {}, -1},
      {"TypeLib", "", "C:\\Present\\server.dll", {}, -1},
      // the exclusion list covers rule 1 only
      {"InprocServer32", "", "C:\\Missing\\server.dll", {}, -1, {Rule("::")}},
      {"InprocServer32", "", "", {}, 7, {Rule("::")}},
      {"ProgID", "", "Not.Registered", {}, 6, {Rule("::")}},
      // 2: an empty value of a TypeLib key, named or not
      {"TypeLib", "", "", {}, 1},
      {"TypeLib", "Version", "", {}, 1},
      {"TypeLib", "CLSID", "", {}, 1},  // before rule 10
      // 3: a type library identifier in braces
      {"TypeLib", "", "{7A}", {}, 2},
      {"TypeLib", "", "{7A}", {"TypeLib\\{7A}"}, -1},
      {"TypeLib", "", "7A", {}, -1},
      {"TypeLib", "", " {7A}", {}, -1},  // the first character decides
      // 4 and 5: a class identifier
      {"CLSID", "", "", {}, 3},
      {"CLSID", "", "{0B}", {}, 4},
      {"CLSID", "", "{0B}", {"CLSID\\{0B}"}, -1},
      {"CLSID", "", "0B", {}, -1},
      {"CLSID", "Other", "", {}, -1},
      // 6 and 7: a programmatic identifier
      {"ProgID", "", "", {}, 5},
      {"VersionIndependentProgID", "", "", {}, 5},
      {"VersionIndependentProgID", "", "Not.Registered", {}, -1},
      {"ProgID", "", "Not.Registered", {}, 6},
      {"ProgID", "", "Suite.Registered", {"Suite.Registered"}, -1},
      {"progid", "", "Not.Registered", {}, 6},  // key names in any case
      {"ProgID", "Other", "", {}, -1},
      // 8 and 9: in-process servers
      {"InprocServer32", "", "", {}, 7},
      {"InprocServer", "", "", {}, 8},
      {"InprocServer32", "ThreadingModel", "Both", {}, -1},
      {"InprocServer32", "ThreadingModel", "", {}, -1},
      // 10 to 14: named values, by their names in any case
      {"", "clsid", "", {}, 3},
      {"", "CLSID", "{0B}", {}, -1},
      {"", "TypeLib", "{7A}", {}, 2},
      {"", "TypeLib", "7A", {}, 2},  // no brace asked for
      {"", "TypeLib", "7A", {"TypeLib\\7A"}, -1},
      {"", "ProgID", "Not.Registered", {}, 6},
      {"", "PROGID", "Suite.Registered", {"Suite.Registered"}, -1},
      {"", "InprocServer32", "", {}, 7},
      {"", "inprocserver", "", {}, 8},
      // no rule
      {"", "", "", {}, -1},
      {"", "Name", "Some text", {}, -1},
      {"Implemented Categories", "", "{0B}", {}, -1},
  };
  for (const RuleCase& c : cases) {
    platform::MemoryRegistry registry;
    const std::string key = std::string(kClass) + (*c.key ? "\\" : "") + c.key;
    registry.SetString(kLocalMachine, key, c.name, c.data);
    for (const std::string& target : c.registered) registry.AddKey(kClassesRoot, target);
    window.rules = c.rules;
    window.problems.clear();
    scan::ScanEngine engine{registry, files, texts, window, kept};
    engine.ScanComKey(kLocalMachine, kClasses);

    const std::string label = key + " [" + c.name + "] = " + c.data;
    if (c.entry < 0) {
      EXPECT_TRUE(window.problems.empty()) << label;
    } else {
      EXPECT_EQ(window.problems,
                (std::vector<scan::ProblemEntry>{{"HKEY_LOCAL_MACHINE\\" + key, c.name, c.data,
                                                  "Reason " + std::to_string(c.entry), "1", ""}}))
          << label;
    }
    EXPECT_EQ(registry.OpenHandleCount(), 0u) << label;
  }
}

TEST_F(ComScannerTest, ScansClassesThenTypeLibrariesThenInterfaces) {
  for (const char* key : {"software\\classes\\interface\\{1I}\\TypeLib",
                          "software\\classes\\TypeLib\\{7A}\\1.0\\0\\win32",
                          "software\\classes\\CLSID\\{0A}\\InprocServer32",
                          "software\\classes\\AppID\\{0A}"}) {
    registry.SetString(kLocalMachine, key, "", "");
  }
  engine.ScanKey("COM");
  EXPECT_EQ(Locations(), (Lines{"HKEY_LOCAL_MACHINE\\software\\classes\\CLSID\\{0A}\\InprocServer32",
                                "HKEY_LOCAL_MACHINE\\software\\classes\\interface\\{1I}\\TypeLib"}));
}

TEST_F(ComScannerTest, LeavesExcludedKeysUnentered) {
  registry.SetString(kLocalMachine, "software\\classes\\CLSID\\{0A}\\InprocServer32", "", "");
  registry.SetString(kLocalMachine, "software\\classes\\CLSID\\{0B}\\InprocServer32", "", "");
  registry.SetString(kLocalMachine, "software\\classes\\CLSID", "", "");
  window.rules = {Rule("{0A}"), Rule("software\\classes\\CLSID::")};
  engine.ScanComKey(kLocalMachine, kClasses);
  // The start key is never matched; its values only by rule 1.
  EXPECT_EQ(Locations(), (Lines{"HKEY_LOCAL_MACHINE\\software\\classes\\CLSID",
                                "HKEY_LOCAL_MACHINE\\software\\classes\\CLSID\\{0B}\\InprocServer32"}));
}

TEST_F(ComScannerTest, StopsAfterTheValueOrKeyAtHand) {
  registry.SetString(kLocalMachine, kClass, "clsid", "");
  registry.SetString(kLocalMachine, kClass, "progid", "");
  registry.SetString(kLocalMachine, std::string(kClass) + "\\InprocServer32", "", "");
  registry.SetString(kLocalMachine, "software\\classes\\TypeLib\\{7A}", "Version", "");
  window.on_yield = [&] {
    if (window.yields == 1) engine.OnScanPressed();  // a second press after the first value
  };
  engine.ScanKey("COM");
  EXPECT_EQ(Locations(), (Lines{std::string("HKEY_LOCAL_MACHINE\\") + kClass}));
  EXPECT_EQ(window.caption, kept.idle_caption);
  // The enclosing call still yields once after its sub-key, then ends.
  EXPECT_EQ(window.yields, 2);
}

}  // namespace
