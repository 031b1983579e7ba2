#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/scripted_repair_window.h"
#include "platform/memory_file_system.h"
#include "repair/exclude_text_check.h"
#include "repair/exclusion_file.h"
#include "repair/exclusion_list.h"

namespace {

using scan::ExcludeRule;

TEST(ExclusionFile, RoundTripKeepsTextsAsTheyAre) {
  const std::vector<ExcludeRule> rules = {
      {"software\\Vendor, Inc", "Yes", true},
      {" leading blank", "No", false},
      {"say \"hi\"", "Ja", true},  // must-begin column of another language
      {"", "", false},
  };
  const std::string text = repair::FormatExcludeFile(rules);
  EXPECT_EQ(text,
            "software\\Vendor, Inc;;Yes;;True\r\n"
            " leading blank;;No;;False\r\n"
            "say \"hi\";;Ja;;True\r\n"
            ";;;;False\r\n");
  EXPECT_EQ(repair::ParseExcludeFile(text), rules);
  EXPECT_EQ(repair::FormatExcludeFile({}), "");
  EXPECT_TRUE(repair::ParseExcludeFile("").empty());
}

TEST(ExclusionFile, ReadsEveryLineShape) {
  const struct {
    const char* line;
    ExcludeRule rule;
  } cases[] = {
      {"a;;Yes;;True", {"a", "Yes", true}},
      {"a;;Yes;;tRUE", {"a", "Yes", true}},
      {"a;;Yes;;FALSE", {"a", "Yes", false}},
      {"a;;Yes;;1", {"a", "Yes", true}},
      {"a;;Yes;;-1", {"a", "Yes", true}},
      {"a;;Yes;;0", {"a", "Yes", false}},
      {"a;;Yes;;maybe", {"a", "Yes", false}},
      {"a;;Yes", {"a", "Yes", false}},
      {"a", {"a", "", false}},
      {"a;;Yes;;True;;more;;fields", {"a", "Yes", true}},
      {"a;b;;No;;True", {"a;b", "No", true}},
      {"x;;y;;No;;True", {"x", "y", false}},  // ";;" in a text moves the fields along
      {";;Yes;;True", {"", "Yes", true}},
  };
  for (const auto& c : cases) EXPECT_EQ(repair::ParseExcludeLine(c.line), c.rule) << c.line;
}

TEST(ExclusionFile, LinesEndAtCrLfOrLf) {
  EXPECT_EQ(repair::ParseExcludeFile("a;;Yes;;True\r\n\r\nb;;No;;False\nc\r\n\nd"),
            (std::vector<ExcludeRule>{{"a", "Yes", true}, {"b", "No", false}, {"c", "", false},
                                      {"d", "", false}}));
}

TEST(ExcludeTextCheck, RefusesWhatTheFileCannotHold) {
  using enum repair::ExcludeTextProblem;
  const std::pair<const char*, repair::ExcludeTextProblem> cases[] = {
      {"software\\Vendor", kNone}, {"  a;b ", kNone},   {"", kBlank},
      {"    ", kBlank},             {"a\r\nb", kLineBreak}, {"a\nb", kLineBreak},
      {"a\r", kLineBreak},          {"a;;b", kSeparator}, {"a;", kSeparator},
      {"a;  ", kSeparator},
  };
  for (const auto& [text, problem] : cases) {
    EXPECT_EQ(repair::CheckExcludeText(text), problem) << text;
  }
  EXPECT_EQ(repair::ExcludeTextMessageId(kNone), nullptr);
  EXPECT_STREQ(repair::ExcludeTextMessageId(kBlank), "HIVECARE_EXCLUDE_STRING_4");
  EXPECT_STREQ(repair::ExcludeTextMessageId(kLineBreak), "HIVECARE_EXCLUDE_STRING_7");
  EXPECT_STREQ(repair::ExcludeTextMessageId(kSeparator), "HIVECARE_EXCLUDE_STRING_8");
}

TEST(ExcludeTextCheck, ChoiceConfirmsWithEitherAcceptedText) {
  fakes::EchoTextSource texts;
  texts.overrides = {{"HIVECARE_REGCLEANER_STRING_44", "OK"},
                     {"HIVECARE_REGCLEANER_STRING_43", "Accept"}};
  EXPECT_TRUE(repair::ChoiceConfirms(texts, "OK"));
  EXPECT_TRUE(repair::ChoiceConfirms(texts, "Accept"));
  EXPECT_FALSE(repair::ChoiceConfirms(texts, "Cancel"));
  EXPECT_FALSE(repair::ChoiceConfirms(texts, "ok"));
}

constexpr char kFile[] = "C:\\Program Files\\Suite\\Exclude.lst";
constexpr char kYes[] = "HIVECARE_REGCLEANER_STRING_46";
constexpr char kNo[] = "HIVECARE_REGCLEANER_STRING_47";

// A file system whose text files exist but cannot be read.
class UnreadableTexts : public platform::MemoryFileSystem {
 public:
  bool ReadTextFile(const std::string&, std::string*) override { return false; }
};

class ExclusionEditorTest : public testing::Test {
 protected:
  std::string FileText() {
    std::string text;
    EXPECT_TRUE(files.ReadTextFile(kFile, &text));
    return text;
  }
  void Question(int answer) { window.answer = answer; }

  platform::MemoryFileSystem files;
  fakes::EchoTextSource texts;
  const scan::KeptTexts kept = scan::KeptTexts::Load(texts);
  fakes::ScriptedRepairWindow window;
  repair::ExclusionEditor editor{files, texts, window, kept, kFile};
};

TEST_F(ExclusionEditorTest, LoadReplacesTheRulesOnlyWhenTheFileExists) {
  window.rules = {{"kept", kNo, true}};
  editor.LoadExclude();
  EXPECT_EQ(window.rules, (std::vector<ExcludeRule>{{"kept", kNo, true}}));

  files.AddFile(kFile, "a;;Yes;;True\r\n\r\nb;;No;;False\r\n");
  editor.LoadExclude();
  EXPECT_EQ(window.rules, (std::vector<ExcludeRule>{{"a", "Yes", true}, {"b", "No", false}}));
  EXPECT_EQ(window.yields, 3);  // one for every line, the empty one too
  EXPECT_EQ(window.log.back(), "ShowExcludeRules");
}

TEST_F(ExclusionEditorTest, AFileThatCannotBeReadLeavesNoRules) {
  UnreadableTexts unreadable;
  unreadable.AddFile(kFile, "a;;Yes;;True\r\n");
  repair::ExclusionEditor reader{unreadable, texts, window, kept, kFile};
  window.rules = {{"old", kNo, true}};
  reader.LoadExclude();
  EXPECT_TRUE(window.rules.empty());
  EXPECT_TRUE(window.messages.empty());
}

TEST_F(ExclusionEditorTest, AddStoresTheTrimmedTextAndShowsTheNewRow) {
  files.AddFile(kFile, "first;;No;;False\r\n");
  editor.LoadExclude();
  window.dialog_answers = {{true, "  software\\Vendor  ", true}, {false, "cancelled", false}};
  editor.OnExcludeButton(0);
  editor.OnExcludeButton(0);

  EXPECT_EQ(window.dialog_inputs.size(), 2u);
  EXPECT_EQ(window.dialog_inputs[0].text, "");
  EXPECT_FALSE(window.dialog_inputs[0].must_begin);
  EXPECT_EQ(FileText(), std::string("first;;No;;False\r\nsoftware\\Vendor;;") + kYes +
                            ";;True\r\n");
  EXPECT_EQ(window.rules.size(), 2u);
  EXPECT_EQ(window.log.back(), "ScrollExcludeRuleIntoView 1");
}

TEST_F(ExclusionEditorTest, FirstAddCreatesTheFile) {
  window.dialog_answers = {{true, "x", false}};
  editor.OnExcludeButton(0);
  EXPECT_EQ(FileText(), std::string("x;;") + kNo + ";;True\r\n");
}

TEST_F(ExclusionEditorTest, EditReadsTheOptionInTheCurrentLanguage) {
  files.AddFile(kFile, std::string("a;;") + kYes + ";;False\r\nb;;Ja;;True\r\n");
  editor.LoadExclude();
  window.selected_rule = 1;
  window.dialog_answers = {{true, " c ", true}};
  editor.OnExcludeButton(1);

  ASSERT_EQ(window.dialog_inputs.size(), 1u);
  EXPECT_EQ(window.dialog_inputs[0].text, "b");
  EXPECT_FALSE(window.dialog_inputs[0].must_begin);  // "Ja" is not this language's text
  EXPECT_EQ(window.messages.back(),
            (fakes::ShownMessage{"HIVECARE_REGCLEANER_STRING_23",
                                 "HIVECARE_REGCLEANER_STRING_166", scan::kMbYesNo}));
  EXPECT_EQ(FileText(), std::string("a;;") + kYes + ";;False\r\nc;;" + kYes + ";;True\r\n");
  EXPECT_EQ(window.log.back(), "ScrollExcludeRuleIntoView 1");

  window.selected_rule = 0;
  window.dialog_answers = {{true, "changed", false}};
  editor.OnExcludeButton(1);
  EXPECT_TRUE(window.dialog_inputs.back().must_begin);
  EXPECT_EQ(window.dialog_inputs.back().text, "a");
  EXPECT_EQ(window.rules[0], (ExcludeRule{"changed", kNo, false}));  // check box as it was
}

TEST_F(ExclusionEditorTest, EditAndRemoveNeedASelectionAndAYes) {
  const std::string text = std::string("a;;") + kNo + ";;True\r\n";
  files.AddFile(kFile, text);
  editor.LoadExclude();

  editor.OnExcludeButton(1);
  editor.OnExcludeButton(2);
  EXPECT_TRUE(window.dialog_inputs.empty());
  EXPECT_TRUE(window.messages.empty());

  window.selected_rule = 0;
  Question(scan::kIdNo);
  window.dialog_answers = {{true, "b", false}};
  editor.OnExcludeButton(1);
  editor.OnExcludeButton(2);
  EXPECT_EQ(window.messages.size(), 2u);
  EXPECT_EQ(window.messages.back().text, "HIVECARE_REGCLEANER_STRING_24");
  EXPECT_EQ(FileText(), text);
  EXPECT_EQ(window.rules.size(), 1u);

  window.dialog_answers = {{false, "b", false}};
  editor.OnExcludeButton(1);
  EXPECT_EQ(window.messages.size(), 2u);  // a cancelled dialog asks nothing
}

TEST_F(ExclusionEditorTest, RemovingTheLastRuleEmptiesTheFile) {
  files.AddFile(kFile, "a;;No;;True\r\n");
  editor.LoadExclude();
  window.selected_rule = 0;
  editor.OnExcludeButton(2);
  EXPECT_EQ(FileText(), "");
  EXPECT_TRUE(window.rules.empty());
}

TEST_F(ExclusionEditorTest, CheckBoxChangesAreStoredAtOnce) {
  files.AddFile(kFile, "a;;No;;True\r\n");
  editor.LoadExclude();
  window.rules[0].enabled = false;
  editor.OnRuleChecked();
  EXPECT_EQ(FileText(), "a;;No;;False\r\n");
}

TEST_F(ExclusionEditorTest, AFailedSaveKeepsTheFileAndSaysSo) {
  const std::string text = "a;;No;;True\r\n";
  files.AddFile(kFile, text);
  editor.LoadExclude();
  files.FailWrites(true);
  window.dialog_answers = {{true, "b", false}};
  editor.OnExcludeButton(0);

  EXPECT_EQ(FileText(), text);
  EXPECT_EQ(window.messages,
            (std::vector<fakes::ShownMessage>{{"HIVECARE_REGCLEANER_STRING_310",
                                               "HIVECARE_REGCLEANER_STRING_311",
                                               scan::kMbOk | scan::kMbIconExclamation}}));
  EXPECT_EQ(window.rules, (std::vector<ExcludeRule>{{"a", "No", true}}));  // as the file holds
}

TEST_F(ExclusionEditorTest, AProblemBecomesARuleBelowItsRoot) {
  window.problems = {{{"HKEY_CURRENT_USER\\software\\Vendor", "Tool", "", "", "1", ""}, true},
                     {{"HKEY_USERS\\x", "", "", "", "1", ""}, false}};
  window.selected_problem = 0;
  editor.OnAddToExcludeList();

  EXPECT_EQ(window.messages.front(),
            (fakes::ShownMessage{"HIVECARE_REGCLEANER_STRING_26", "HIVECARE_REGCLEANER_STRING_27",
                                 scan::kMbYesNo | scan::kMbIconQuestion}));
  EXPECT_EQ(window.rules, (std::vector<ExcludeRule>{{"software\\Vendor", kYes, true}}));
  EXPECT_EQ(FileText(), std::string("software\\Vendor;;") + kYes + ";;True\r\n");
  ASSERT_EQ(window.problems.size(), 1u);
  EXPECT_EQ(window.problems[0].entry.location, "HKEY_USERS\\x");
}

TEST_F(ExclusionEditorTest, AddToExcludeListNeedsAYesAndASelection) {
  window.problems = {{{"HKEY_USERS\\x", "", "", "", "1", ""}, false}};
  Question(scan::kIdNo);
  window.selected_problem = 0;
  editor.OnAddToExcludeList();
  Question(scan::kIdYes);
  window.selected_problem.reset();
  editor.OnAddToExcludeList();

  EXPECT_EQ(window.messages.size(), 2u);
  EXPECT_TRUE(window.rules.empty());
  EXPECT_EQ(window.problems.size(), 1u);
  EXPECT_FALSE(files.FileExists(kFile));
}

}  // namespace
