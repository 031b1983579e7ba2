// What repair and the exclusion editing need of the main window. The window
// implements it over its controls; tests implement it with plain data.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scan/exclude_rule.h"
#include "scan/problem_entry.h"

namespace repair {

// What the exclusion dialog was filled with, or gave back.
struct ExcludeDialogResult {
  bool confirmed = false;  // the dialog's Choice was taken as confirmation
  std::string text;        // txtLocation as typed
  bool must_begin = false; // chkMustBegin
};

class RepairWindow {
 public:
  virtual ~RepairWindow() = default;

  // The problem list (lvInvalidLoc), rows by 0-based position.
  virtual int ProblemRowCount() = 0;
  virtual scan::ProblemEntry ProblemRow(int index) = 0;
  virtual bool ProblemRowSelected(int index) = 0;
  virtual void RemoveProblemRow(int index) = 0;
  virtual std::optional<int> SelectedProblemRow() = 0;  // the focused/first selected row

  // The exclusion list (lvExclude), in list order.
  virtual std::vector<scan::ExcludeRule>& ExcludeRulesModel() = 0;
  virtual void ShowExcludeRules() = 0;                   // mirror the model into lvExclude
  virtual std::optional<int> SelectedExcludeRule() = 0;
  virtual void ScrollExcludeRuleIntoView(int index) = 0;

  // The exclusion dialog (frmExcludeLocation), modal, filled with `initial`.
  virtual ExcludeDialogResult ShowExcludeDialog(const ExcludeDialogResult& initial) = 0;

  virtual void Yield() = 0;
  virtual int ShowMessage(const std::string& text, const std::string& title, unsigned style) = 0;
  virtual void SetCountLabel(const std::string& text) = 0;
  // "Repair all" hides the main window and shows the start page.
  virtual void HideMainWindow() = 0;
  virtual void ShowStartPage() = 0;
};

}  // namespace repair
