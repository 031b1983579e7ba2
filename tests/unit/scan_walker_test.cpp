#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/scan_fixture.h"

namespace {

using namespace std::string_literals;
using platform::kCurrentUser;
using platform::kLocalMachine;
using platform::kUsers;

constexpr const char* kMissing = "C:\\Missing\\app.exe";

class WalkerTest : public fakes::ScanFixture {
 protected:
  // The walker runs inside a scan: the button shows the stop caption.
  void SetUp() override { window.caption = kept.stop_caption; }

  void Broken(platform::RootKey root, const std::string& path, const std::string& name) {
    registry.SetString(root, path, name, kMissing);
  }
};

TEST_F(WalkerTest, RecordsABrokenReference) {
  Broken(kCurrentUser, "software\\Vendor", "Tool");
  engine.WalkKey(kCurrentUser, "software");

  EXPECT_EQ(window.problems,
            (std::vector<scan::ProblemEntry>{{"HKEY_CURRENT_USER\\software\\Vendor", "Tool",
                                              kMissing, "Reason 0", "1", ""}}));
  EXPECT_EQ(engine.ProblemCount(), 1);
}

TEST_F(WalkerTest, JudgesValuesBeforeEnteringSubKeys) {
  Broken(kCurrentUser, "software\\Vendor\\Inner", "deep");
  Broken(kCurrentUser, "software\\Vendor", "first");
  Broken(kCurrentUser, "software\\Vendor", "second");
  Broken(kCurrentUser, "software\\Vendor\\Also", "deep");
  engine.WalkKey(kCurrentUser, "software\\Vendor");

  std::vector<std::string> found;
  for (const scan::ProblemEntry& row : window.problems) {
    found.push_back(row.location + " " + row.value_name);
  }
  EXPECT_EQ(found, (std::vector<std::string>{
                       "HKEY_CURRENT_USER\\software\\Vendor first",
                       "HKEY_CURRENT_USER\\software\\Vendor second",
                       "HKEY_CURRENT_USER\\software\\Vendor\\Also deep",
                       "HKEY_CURRENT_USER\\software\\Vendor\\Inner deep",
                   }));
}

TEST_F(WalkerTest, KeepsOneHandleOpenPerLevel) {
  Broken(kCurrentUser, "software\\A\\B\\C", "deep");
  std::size_t open_at_value = 0;
  window.on_yield = [&] {
    if (window.yields == 1) open_at_value = registry.OpenHandleCount();
  };
  engine.WalkKey(kCurrentUser, "software");
  EXPECT_EQ(open_at_value, 4u);  // software, A, B, C
}

// An enabled rule without the must-begin option.
scan::ExcludeRule Rule(std::string text) { return {std::move(text), "No", true}; }

struct RuleCase {
  std::vector<scan::ExcludeRule> rules;
  bool reported;
};

TEST_F(WalkerTest, ExclusionRulesMatchAsTheirOptionsSay) {
  Broken(kCurrentUser, "software\\Vendor", "Tool");
  const RuleCase cases[] = {
      {{}, true},
      {{Rule("Vendor::Tool")}, false},
      {{Rule("app.exe")}, false},
      {{Rule("")}, false},
      {{Rule("software\\Vendor::Tool :: C:\\Missing\\app.exe")}, false},
      {{Rule("other"), Rule("Tool :: C:")}, false},
      {{Rule("vendor::tool")}, true},             // case-sensitive
      {{Rule("HKEY_CURRENT_USER")}, true},        // the root is not part of the text
      {{Rule("Vendor\\")}, true},                 // the key's text has no trailing "\"
      {{Rule("software\\Vendor")}, false},        // the sub-key is not entered
      {{{"Vendor::Tool", "No", false}}, true},    // a cleared check box takes no part
      {{{"Vendor::Tool", "Yes", true}}, true},    // must begin: it occurs, but later
      {{{"software\\Vendor", "Yes", true}}, false},
      {{{"software\\Vendor::Tool", "Yes", true}}, false},
      {{{"Vendor::Tool", "Ja", true}}, false},    // another language's option: anywhere
      {{{"Vendor::Tool", "", true}}, false},      // a line without the column: anywhere
  };
  for (const RuleCase& c : cases) {
    window.rules = c.rules;
    window.problems.clear();
    engine.WalkKey(kCurrentUser, "software");
    EXPECT_EQ(window.problems.size(), c.reported ? 1u : 0u)
        << (c.rules.empty() ? "(no rules)" : c.rules.back().text + " / " + c.rules.back().must_begin);
  }
  // The option's text is the same for the whole run: asked for once.
  EXPECT_EQ(std::count(texts.requested().begin(), texts.requested().end(),
                       "HIVECARE_REGCLEANER_STRING_46"),
            1);
}

TEST_F(WalkerTest, WalksFromTheTopOfAHive) {
  Broken(kUsers, "", "Tool");
  Broken(kUsers, "S-1\\Software", "Inner");
  engine.WalkKey(kUsers, "");
  EXPECT_EQ(Locations(),
            (std::vector<std::string>{"HKEY_USERS\\", "HKEY_USERS\\S-1\\Software"}));

  window.problems.clear();
  window.rules = {Rule("::Tool :: C:\\Missing\\app.exe")};
  engine.WalkKey(kUsers, "");
  EXPECT_EQ(Locations(), (std::vector<std::string>{"HKEY_USERS\\S-1\\Software"}));
}

TEST_F(WalkerTest, JudgesDrivesAToPOnly) {
  const std::pair<const char*, bool> cases[] = {
      {"A:\\missing.exe", true},  {"P:\\missing.exe", true},  {"p:\\missing.exe", true},
      {"Q:\\missing.exe", false}, {"T:\\missing.exe", false}, {"Z:\\missing.exe", false},
      {"1:\\missing.exe", false}, {":\\missing.exe", true},   // no letter: the check decides
      {"\"P:\\missing.exe\" /s", true},
      {"%SystemRoot%\\system32\\missing.dll", false},  // no drive reference at all
  };
  for (const auto& [data, reported] : cases) {
    registry.SetString(kCurrentUser, "software\\Vendor", "v", data);
    window.problems.clear();
    engine.WalkKey(kCurrentUser, "software");
    EXPECT_EQ(window.problems.size(), reported ? 1u : 0u) << data;
  }
}

TEST_F(WalkerTest, LeavesClassRegistrationsAlone) {
  for (const char* path : {"Interface", "TYPELIB", "clsid", "Software\\Classes\\X",
                           "SOFTWARE\\classesExtra", "Other\\software\\CLASSES",
                           "Other\\CLSID", "Other\\Interface", "CLSIDs"}) {
    Broken(kLocalMachine, path, "v");
  }
  engine.WalkKey(kLocalMachine, "");
  EXPECT_EQ(Locations(), (std::vector<std::string>{"HKEY_LOCAL_MACHINE\\CLSIDs",
                                                   "HKEY_LOCAL_MACHINE\\Other\\CLSID",
                                                   "HKEY_LOCAL_MACHINE\\Other\\Interface"}));

  // Started right at such a key, the walker does not look inside.
  window.problems.clear();
  engine.WalkKey(kLocalMachine, "interface");
  engine.WalkKey(kLocalMachine, "Software\\Classes");
  EXPECT_TRUE(window.problems.empty());
}

TEST_F(WalkerTest, JudgesOnlyWhatTheTextShows) {
  registry.SetString(kCurrentUser, "software\\Vendor", "multi", "C:\\WINDOWS\0C:\\Missing\\x.exe\0\0"s,
                     platform::kRegMultiSz);
  registry.SetString(kCurrentUser, "software\\Vendor", "broken", kMissing);
  registry.SetRaw(kCurrentUser, "software\\Vendor", "binary", platform::kRegBinary, "C:\\Missing\\b");
  registry.SetString(kCurrentUser, "software\\Vendor", "expand", "%SystemRoot%\\system32\\x.dll",
                     platform::kRegExpandSz);
  registry.SetString(kCurrentUser, "software\\Vendor", "expanded", "C:\\Missing\\%x%.dll",
                     platform::kRegExpandSz);
  registry.SetDword(kCurrentUser, "software\\Vendor", "number", 0xFFFFFFFF);
  engine.WalkKey(kCurrentUser, "software");

  std::vector<std::string> found;
  for (const scan::ProblemEntry& row : window.problems) {
    found.push_back(row.value_name + " " + row.reg_type + " " + row.value_data);
  }
  EXPECT_EQ(found, (std::vector<std::string>{"broken 1 C:\\Missing\\app.exe",
                                             "expanded 2 C:\\Missing\\%x%.dll"}));
}

TEST_F(WalkerTest, SkipsNamesThatOnlyOpenUntrimmed) {
  Broken(kCurrentUser, "software\\ Spaced \\Below", "v");
  Broken(kCurrentUser, "software\\   ", "v");
  Broken(kCurrentUser, "software\\Vendor", " Tool ");
  Broken(kCurrentUser, "software\\Vendor", "Kept");
  engine.WalkKey(kCurrentUser, "software");
  ASSERT_EQ(window.problems.size(), 1u);
  EXPECT_EQ(window.problems[0].value_name, "Kept");
}

TEST_F(WalkerTest, SkipsKeysItMayNotWrite) {
  Broken(kCurrentUser, "software\\A", "v");
  Broken(kCurrentUser, "software\\B", "v");
  Broken(kCurrentUser, "software\\B\\Below", "v");
  Broken(kCurrentUser, "software\\C", "v");
  registry.SetAccess(kCurrentUser, "software\\B", platform::MemoryRegistry::Access::kReadOnly);
  engine.WalkKey(kCurrentUser, "software");
  EXPECT_EQ(Locations(), (std::vector<std::string>{"HKEY_CURRENT_USER\\software\\A",
                                                   "HKEY_CURRENT_USER\\software\\C"}));
}

TEST_F(WalkerTest, ReturnsAtOnceWhenStopped) {
  Broken(kCurrentUser, "software\\Vendor", "Tool");
  window.caption = kept.idle_caption;
  engine.WalkKey(kCurrentUser, "software");
  EXPECT_TRUE(window.problems.empty());
  EXPECT_EQ(files.QueryCount(), 0);
}

TEST_F(WalkerTest, UnwindsAtTheStopTestAfterAnyItem) {
  for (int i = 0; i < 3; ++i) {
    Broken(kCurrentUser, "software\\A\\B", "v" + std::to_string(i));
    Broken(kCurrentUser, "software\\C", "v" + std::to_string(i));
  }
  // The caption "Search again >" stops the walk as well as the start caption.
  for (const std::string& stop : {kept.idle_caption, std::string("Search again >")}) {
    for (int stop_at = 1; stop_at <= 9; ++stop_at) {  // 6 values and 3 sub-keys
      window.caption = kept.stop_caption;
      window.problems.clear();
      window.yields = 0;
      std::size_t rows_at_stop = 0;
      int queries_at_stop = 0;
      window.on_yield = [&] {
        if (window.yields != stop_at) return;
        window.caption = stop;
        rows_at_stop = window.problems.size();
        queries_at_stop = files.QueryCount();
      };
      engine.WalkKey(kCurrentUser, "software");
      EXPECT_EQ(window.problems.size(), rows_at_stop) << stop_at;
      EXPECT_EQ(files.QueryCount(), queries_at_stop) << "nothing judged after the stop";
      EXPECT_EQ(registry.OpenHandleCount(), 0u) << stop_at;
    }
  }
}

}  // namespace
