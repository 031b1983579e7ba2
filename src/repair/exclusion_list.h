// The exclusions page: its rules, their file, the add/edit/remove buttons
// and "Add to exclude list" below the problem list.
#pragma once

#include <string>

#include "common/text_source.h"
#include "platform/file_system.h"
#include "repair/repair_window.h"
#include "scan/kept_texts.h"

namespace repair {

class ExclusionEditor {
 public:
  // `file_path` is the program folder followed by "\Exclude.lst".
  ExclusionEditor(platform::FileSystem& files, common::TextSource& texts, RepairWindow& window,
                  const scan::KeptTexts& kept, std::string file_path);

  // Replaces the rules with the file's; without a file the rules stay.
  void LoadExclude();
  // Puts the rules in the file; false (after telling the user) when the
  // file could not be replaced, which keeps it as it was.
  bool SaveExclude();
  // cmdExclude: 0 add, 1 edit, 2 remove.
  void OnExcludeButton(int index);
  // A rule's check box was ticked or cleared.
  void OnRuleChecked();
  // Turns the selected problem into a rule.
  void OnAddToExcludeList();

 private:
  void AddRule();
  void EditRule();
  void RemoveRule();
  // The must-begin column for the dialog's option, in the current language.
  std::string MustBeginText(bool must_begin);
  // Save, load back, and show the row at `index` when there is one.
  void StoreAndReload(int index);

  platform::FileSystem& files_;
  common::TextSource& texts_;
  RepairWindow& window_;
  const scan::KeptTexts& kept_;
  std::string file_path_;
};

}  // namespace repair
