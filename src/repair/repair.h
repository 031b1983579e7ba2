// Repair: deletes the registry values that the problem list names.
#pragma once

#include <cstdint>
#include <string>

#include "common/text_source.h"
#include "platform/registry.h"
#include "repair/repair_window.h"
#include "scan/kept_texts.h"

namespace repair {

// The root handle named before the first backslash of a location
// (blanks around it ignored, letter case significant); 0 for any other name.
std::uint32_t StripHkey(const std::string& location);
// The text after the first backslash of a location: its key path.
std::string SplitSubKey(const std::string& location);
// Deletes one value; the status of the delete (a key that cannot be opened
// fails the delete).
long DeleteRegValue(platform::Registry& registry, std::uint32_t root, const std::string& path,
                    const std::string& name);

// The handlers of "Repair selected" and "Repair all".
class Repairer {
 public:
  Repairer(platform::Registry& registry, common::TextSource& texts, RepairWindow& window,
           const scan::KeptTexts& kept);

  // Asks first, then deletes the value of each chosen row (the selected ones,
  // or all). A row leaves the list when its value was deleted; a row whose
  // value could not be deleted stays.
  void Remove(bool selected_only);
  void OnRemoveSelected();
  // Also hides the main window and goes back to the start page.
  void OnRemoveAll();

 private:
  // Deletes the value of the row at `index`; true when it was deleted.
  bool RepairRow(int index);
  // Remove, then the message `done_id`; false (and nothing done) for an
  // empty list.
  bool RemoveAndTell(bool selected_only, const char* done_id);

  platform::Registry& registry_;
  common::TextSource& texts_;
  RepairWindow& window_;
  const scan::KeptTexts& kept_;
};

}  // namespace repair
