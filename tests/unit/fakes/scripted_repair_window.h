// The main window as repair and the exclusion editing see it, held in plain
// data. Message boxes all give `answer`; the exclusion dialog gives the
// next of `dialog_answers` (a cancel when none is left) and remembers what
// it was filled with. Window calls are logged as one line each.
#pragma once

#include <algorithm>
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_source.h"
#include "fakes/scripted_scan_window.h"
#include "repair/repair_window.h"
#include "scan/scan_window.h"

namespace scan {

inline bool operator==(const ExcludeRule& a, const ExcludeRule& b) {
  return a.text == b.text && a.must_begin == b.must_begin && a.enabled == b.enabled;
}
inline void PrintTo(const ExcludeRule& rule, std::ostream* out) {
  *out << "{" << rule.text << " | " << rule.must_begin << " | " << rule.enabled << "}";
}

}  // namespace scan

namespace fakes {

// Every text is its own ID unless set otherwise, so tests see which text
// went where.
class EchoTextSource : public common::TextSource {
 public:
  std::string GetText(std::string_view id) override {
    const auto it = std::find_if(overrides.begin(), overrides.end(),
                                 [id](const auto& entry) { return entry.first == id; });
    return it == overrides.end() ? std::string(id) : it->second;
  }
  std::vector<std::pair<std::string, std::string>> overrides;
};

struct ListedProblem {
  scan::ProblemEntry entry;
  bool selected = false;
};

class ScriptedRepairWindow : public repair::RepairWindow {
 public:
  std::vector<ListedProblem> problems;
  std::optional<int> selected_problem;
  std::vector<scan::ExcludeRule> rules;
  std::optional<int> selected_rule;
  int answer = scan::kIdYes;
  std::deque<repair::ExcludeDialogResult> dialog_answers;
  std::vector<repair::ExcludeDialogResult> dialog_inputs;
  std::vector<ShownMessage> messages;
  std::vector<std::string> log;
  int yields = 0;

  int ProblemRowCount() override { return static_cast<int>(problems.size()); }
  scan::ProblemEntry ProblemRow(int index) override { return problems.at(index).entry; }
  bool ProblemRowSelected(int index) override { return problems.at(index).selected; }
  void RemoveProblemRow(int index) override {
    problems.erase(problems.begin() + index);
    log.push_back("RemoveProblemRow " + std::to_string(index));
  }
  std::optional<int> SelectedProblemRow() override { return selected_problem; }

  std::vector<scan::ExcludeRule>& ExcludeRulesModel() override { return rules; }
  void ShowExcludeRules() override { log.push_back("ShowExcludeRules"); }
  std::optional<int> SelectedExcludeRule() override { return selected_rule; }
  void ScrollExcludeRuleIntoView(int index) override {
    log.push_back("ScrollExcludeRuleIntoView " + std::to_string(index));
  }
  repair::ExcludeDialogResult ShowExcludeDialog(
      const repair::ExcludeDialogResult& initial) override {
    dialog_inputs.push_back(initial);
    if (dialog_answers.empty()) return {};
    repair::ExcludeDialogResult result = dialog_answers.front();
    dialog_answers.pop_front();
    return result;
  }

  void Yield() override { ++yields; }
  int ShowMessage(const std::string& text, const std::string& title, unsigned style) override {
    messages.push_back({text, title, style});
    log.push_back("ShowMessage " + text);
    return (style & scan::kMbYesNo) != 0 ? answer : scan::kIdOk;
  }
  void SetCountLabel(const std::string& text) override { log.push_back("SetCountLabel " + text); }
  void HideMainWindow() override { log.push_back("HideMainWindow"); }
  void ShowStartPage() override { log.push_back("ShowStartPage"); }
};

}  // namespace fakes
