#include "repair/exclusion_list.h"

#include <utility>

#include "common/strings.h"
#include "repair/exclusion_file.h"
#include "repair/repair.h"
#include "scan/scan_window.h"

namespace repair {

ExclusionEditor::ExclusionEditor(platform::FileSystem& files, common::TextSource& texts,
                                 RepairWindow& window, const scan::KeptTexts& kept,
                                 std::string file_path)
    : files_(files), texts_(texts), window_(window), kept_(kept), file_path_(std::move(file_path)) {}

void ExclusionEditor::LoadExclude() {
  // Without a file the rules stay as they are: a change that could not be
  // saved then lasts until the program ends.
  if (files_.FileExists(file_path_)) {
    std::vector<scan::ExcludeRule>& rules = window_.ExcludeRulesModel();
    rules.clear();
    // A file that cannot be read leaves no rules; the program goes on.
    std::string text;
    if (files_.ReadTextFile(file_path_, &text)) {
      for (const std::string& line : ExcludeFileLines(text)) {
        if (!line.empty()) rules.push_back(ParseExcludeLine(line));
        window_.Yield();
      }
    }
  }
  window_.ShowExcludeRules();
}

bool ExclusionEditor::SaveExclude() {
  if (files_.ReplaceTextFile(file_path_, FormatExcludeFile(window_.ExcludeRulesModel()))) {
    return true;
  }
  window_.ShowMessage(texts_.GetText("HIVECARE_REGCLEANER_STRING_310"),
                      texts_.GetText("HIVECARE_REGCLEANER_STRING_311"),
                      scan::kMbOk | scan::kMbIconExclamation);
  return false;
}

void ExclusionEditor::OnExcludeButton(int index) {
  switch (index) {
    case 0: AddRule(); break;
    case 1: EditRule(); break;
    case 2: RemoveRule(); break;
    default: break;
  }
}

void ExclusionEditor::OnRuleChecked() { SaveExclude(); }

void ExclusionEditor::OnAddToExcludeList() {
  if (window_.ShowMessage(texts_.GetText("HIVECARE_REGCLEANER_STRING_26"),
                          texts_.GetText("HIVECARE_REGCLEANER_STRING_27"),
                          scan::kMbYesNo | scan::kMbIconQuestion) != scan::kIdYes) {
    return;
  }
  const std::optional<int> selected = window_.SelectedProblemRow();
  if (!selected) return;
  // Rules are matched against locations below their root, so the rule
  // leaves the root name out.
  window_.ExcludeRulesModel().push_back(
      {SplitSubKey(window_.ProblemRow(*selected).location), MustBeginText(true), true});
  SaveExclude();
  window_.ShowExcludeRules();
  window_.RemoveProblemRow(*selected);
}

void ExclusionEditor::AddRule() {
  const ExcludeDialogResult result = window_.ShowExcludeDialog({});
  if (!result.confirmed) return;
  std::vector<scan::ExcludeRule>& rules = window_.ExcludeRulesModel();
  rules.push_back({common::Trim(result.text), MustBeginText(result.must_begin), true});
  StoreAndReload(static_cast<int>(rules.size()) - 1);
}

void ExclusionEditor::EditRule() {
  const std::optional<int> selected = window_.SelectedExcludeRule();
  if (!selected) return;
  const scan::ExcludeRule rule = window_.ExcludeRulesModel().at(*selected);
  // The column was written in the language of its day; only the current
  // language's text reads as the option.
  const ExcludeDialogResult result =
      window_.ShowExcludeDialog({false, rule.text, rule.must_begin == MustBeginText(true)});
  if (!result.confirmed) return;
  if (window_.ShowMessage(kept_.edit_question, texts_.GetText("HIVECARE_REGCLEANER_STRING_166"),
                          scan::kMbYesNo) != scan::kIdYes) {
    return;
  }
  scan::ExcludeRule& edited = window_.ExcludeRulesModel().at(*selected);
  edited.text = common::Trim(result.text);
  edited.must_begin = MustBeginText(result.must_begin);
  StoreAndReload(*selected);
}

void ExclusionEditor::RemoveRule() {
  const std::optional<int> selected = window_.SelectedExcludeRule();
  if (!selected) return;
  if (window_.ShowMessage(kept_.delete_question, texts_.GetText("HIVECARE_REGCLEANER_STRING_166"),
                          scan::kMbYesNo) != scan::kIdYes) {
    return;
  }
  std::vector<scan::ExcludeRule>& rules = window_.ExcludeRulesModel();
  rules.erase(rules.begin() + *selected);
  SaveExclude();
  LoadExclude();
}

std::string ExclusionEditor::MustBeginText(bool must_begin) {
  return texts_.GetText(must_begin ? "HIVECARE_REGCLEANER_STRING_46"
                                   : "HIVECARE_REGCLEANER_STRING_47");
}

void ExclusionEditor::StoreAndReload(int index) {
  SaveExclude();
  LoadExclude();
  if (index < static_cast<int>(window_.ExcludeRulesModel().size())) {
    window_.ScrollExcludeRuleIntoView(index);
  }
}

}  // namespace repair
