#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fakes/registry_dump.h"
#include "fakes/scripted_repair_window.h"
#include "platform/memory_registry.h"
#include "repair/repair.h"

namespace {

using platform::kCurrentUser;

TEST(RepairLocation, RootAndKeyPath) {
  const struct {
    const char* location;
    std::uint32_t root;
    const char* path;
  } cases[] = {
      {"HKEY_CLASSES_ROOT\\.txt", 0x80000000u, ".txt"},
      {"HKEY_CURRENT_USER\\Software\\Example\\Key", 0x80000001u, "Software\\Example\\Key"},
      {"HKEY_LOCAL_MACHINE\\", 0x80000002u, ""},
      {"HKEY_USERS\\S-1\\x", 0x80000003u, "S-1\\x"},
      {"HKEY_PERFORMANCE_DATA\\a", 0x80000004u, "a"},
      {"HKEY_CURRENT_CONFIG\\a", 0x80000005u, "a"},
      {"HKEY_DYN_DATA\\a", 0x80000006u, "a"},
      {"  HKEY_USERS \\a", 0x80000003u, "a"},        // blanks around the name
      {"hkey_users\\a", 0u, "a"},                    // letter case counts
      {"HKCU\\Software", 0u, "Software"},
      {"HKEY_USERS", 0x80000003u, ""},               // no backslash: the whole text is the name
      {"", 0u, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(repair::StripHkey(c.location), c.root) << c.location;
    EXPECT_EQ(repair::SplitSubKey(c.location), c.path) << c.location;
  }
}

TEST(RepairLocation, DeleteRegValueStatuses) {
  platform::MemoryRegistry registry;
  registry.SetString(kCurrentUser, "Software\\SuiteTest\\Del", "v", "x");
  EXPECT_EQ(repair::DeleteRegValue(registry, kCurrentUser, "Software\\SuiteTest\\Del", "v"), 0);
  EXPECT_NE(repair::DeleteRegValue(registry, kCurrentUser, "Software\\SuiteTest\\Del", "v"), 0);
  EXPECT_NE(repair::DeleteRegValue(registry, kCurrentUser, "Software\\SuiteTest\\None", "v"), 0);
  EXPECT_NE(repair::DeleteRegValue(registry, 0, "Software\\SuiteTest\\Del", "v"), 0);
  EXPECT_TRUE(registry.HasKey(kCurrentUser, "Software\\SuiteTest\\Del"));
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

constexpr char kBase[] = "Software\\SuiteTest\\Repair";

fakes::ListedProblem Row(const std::string& key, const std::string& value, bool selected = false) {
  return {{std::string("HKEY_CURRENT_USER\\") + kBase + "\\" + key, value, "C:\\gone.exe",
           "Reason", "1", ""},
          selected};
}

class RepairTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* value : {"one", "two", ""}) {
      registry.SetString(kCurrentUser, std::string(kBase) + "\\A", value, "C:\\gone.exe");
    }
    for (const char* value : {"x", "y"}) {
      registry.SetString(kCurrentUser, std::string(kBase) + "\\B", value, "C:\\gone.exe");
    }
    registry.AddKey(kCurrentUser, std::string(kBase) + "\\A\\Inner");
    before = fakes::DumpTree(registry, kCurrentUser, kBase);
  }
  void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u); }

  // The tree as it was, without the given values ("A::one").
  std::set<std::string> Without(const std::vector<std::string>& deleted) const {
    std::set<std::string> expected = before;
    for (const std::string& value : deleted) {
      const std::string prefix = std::string(kBase) + "\\" + value + "=";
      std::erase_if(expected, [&](const std::string& line) { return line.starts_with(prefix); });
    }
    return expected;
  }

  platform::MemoryRegistry registry;
  fakes::EchoTextSource texts;
  const scan::KeptTexts kept = scan::KeptTexts::Load(texts);
  fakes::ScriptedRepairWindow window;
  repair::Repairer repairer{registry, texts, window, kept};
  std::set<std::string> before;
};

struct RemoveCase {
  const char* name;
  std::vector<fakes::ListedProblem> rows;
  bool selected_only;
  int answer;
  std::vector<std::string> deleted;
  std::vector<int> kept;  // positions in `rows` of the rows left, in order
};

TEST_F(RepairTest, RemoveDeletesExactlyTheChosenValues) {
  const RemoveCase cases[] = {
      {"selected run",
       {Row("A", "one"), Row("A", "two", true), Row("A", "", true), Row("B", "x", true),
        Row("B", "y")},
       true, scan::kIdYes, {"A::two", "A::", "B::x"}, {0, 4}},
      {"same value twice", {Row("A", "one", true), Row("A", "one", true)}, true, scan::kIdYes,
       {"A::one"}, {1}},
      {"already gone", {Row("A", "gone", true), Row("B", "x", true)}, true, scan::kIdYes,
       {"B::x"}, {0}},
      {"no root", {{{"HKEY_NOWHERE\\Software", "one", "", "", "1", ""}, true}}, true,
       scan::kIdYes, {}, {0}},
      {"nothing selected", {Row("A", "one"), Row("B", "x")}, true, scan::kIdYes, {}, {0, 1}},
      {"answer no", {Row("A", "one", true)}, true, scan::kIdNo, {}, {0}},
      {"all", {Row("A", "one"), Row("A", "two", true), Row("B", "y")}, false, scan::kIdYes,
       {"A::one", "A::two", "B::y"}, {}},
      {"all, failures stay", {Row("A", "one"), Row("A", "gone"), Row("A", "one"), Row("B", "x")},
       false, scan::kIdYes, {"A::one", "B::x"}, {1, 2}},
      {"all, default value", {Row("A", "")}, false, scan::kIdYes, {"A::"}, {}},
      {"all, answer no", {Row("A", "one"), Row("B", "x")}, false, scan::kIdNo, {}, {0, 1}},
      {"empty list", {}, false, scan::kIdYes, {}, {}},
  };
  for (const RemoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    window = {};
    window.problems = c.rows;
    window.answer = c.answer;
    repairer.Remove(c.selected_only);

    EXPECT_EQ(fakes::DumpTree(registry, kCurrentUser, kBase), Without(c.deleted));
    std::vector<fakes::ListedProblem> left;
    for (int position : c.kept) left.push_back(c.rows[position]);
    ASSERT_EQ(window.problems.size(), left.size());
    for (std::size_t i = 0; i < left.size(); ++i) {
      EXPECT_EQ(window.problems[i].entry, left[i].entry);
      EXPECT_EQ(window.problems[i].selected, left[i].selected);
    }
    const bool asked = !c.rows.empty();
    EXPECT_EQ(window.messages.size(), asked ? 1u : 0u);
    // One yield for every row the loop went through.
    EXPECT_EQ(window.yields, c.answer == scan::kIdYes ? static_cast<int>(c.rows.size()) : 0);
  }
}

TEST_F(RepairTest, RemoveAsksWithTheKeptQuestion) {
  window.problems = {Row("A", "one", true)};
  repairer.Remove(true);
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0],
            (fakes::ShownMessage{"HIVECARE_REGCLEANER_STRING_24", "HIVECARE_REGCLEANER_STRING_166",
                                 scan::kMbYesNo | scan::kMbIconQuestion}));
}

TEST_F(RepairTest, HandlersTellTheOutcomeWhateverTheAnswer) {
  const unsigned info = scan::kMbOk | scan::kMbIconInformation;
  for (int answer : {scan::kIdYes, scan::kIdNo}) {
    SCOPED_TRACE(answer);
    window = {};
    window.answer = answer;
    window.problems = {Row("A", "one", true), Row("B", "x")};
    repairer.OnRemoveSelected();
    ASSERT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(window.messages[1], (fakes::ShownMessage{"HIVECARE_REGCLEANER_STRING_84",
                                                       "HIVECARE_REGCLEANER_STRING_85", info}));

    window = {};
    window.answer = answer;
    window.problems = {Row("B", "y")};
    repairer.OnRemoveAll();
    ASSERT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(window.messages[1], (fakes::ShownMessage{"HIVECARE_REGCLEANER_STRING_81",
                                                       "HIVECARE_REGCLEANER_STRING_85", info}));
    const std::vector<std::string> tail(window.log.end() - 3, window.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"HideMainWindow",
                                              "SetCountLabel HIVECARE_REGCLEANER_STRING_83",
                                              "ShowStartPage"}));
  }
}

TEST_F(RepairTest, HandlersDoNothingForAnEmptyList) {
  repairer.OnRemoveSelected();
  repairer.OnRemoveAll();
  EXPECT_TRUE(window.messages.empty());
  EXPECT_TRUE(window.log.empty());
}

}  // namespace
