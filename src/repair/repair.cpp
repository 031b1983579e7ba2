#include "repair/repair.h"

#include "common/strings.h"
#include "scan/scan_engine.h"
#include "scan/scan_window.h"

namespace repair {

std::uint32_t StripHkey(const std::string& location) {
  const std::string name = common::Trim(common::Before(location, "\\"));
  for (std::uint32_t root = platform::kClassesRoot; root <= platform::kDynData; ++root) {
    if (scan::HkeyText(root) == name) return root;
  }
  return 0;
}

std::string SplitSubKey(const std::string& location) {
  const std::size_t slash = location.find('\\');
  return slash == std::string::npos ? std::string() : location.substr(slash + 1);
}

long DeleteRegValue(platform::Registry& registry, std::uint32_t root, const std::string& path,
                    const std::string& name) {
  platform::KeyHandle key = 0;
  // A key that cannot be opened cannot lose a value: its status is the answer.
  if (long status = registry.Open(root, path, platform::kDefaultAccess, &key)) return status;
  const long status = registry.DeleteValue(key, name);
  registry.Close(key);
  return status;
}

Repairer::Repairer(platform::Registry& registry, common::TextSource& texts, RepairWindow& window,
                   const scan::KeptTexts& kept)
    : registry_(registry), texts_(texts), window_(window), kept_(kept) {}

bool Repairer::RepairRow(int index) {
  const scan::ProblemEntry row = window_.ProblemRow(index);
  return DeleteRegValue(registry_, StripHkey(row.location), SplitSubKey(row.location),
                        row.value_name) == platform::kOk;
}

void Repairer::Remove(bool selected_only) {
  if (window_.ProblemRowCount() == 0) return;
  if (window_.ShowMessage(kept_.delete_question, texts_.GetText("HIVECARE_REGCLEANER_STRING_166"),
                          scan::kMbYesNo | scan::kMbIconQuestion) != scan::kIdYes) {
    return;
  }
  // Handlers run between two rows, so the count is read anew on every step
  // and rows are addressed by their current position. A row whose value
  // could not be deleted stays, so the list shows what was not repaired.
  int position = 0;
  while (position < window_.ProblemRowCount()) {
    const bool chosen = !selected_only || window_.ProblemRowSelected(position);
    if (chosen && RepairRow(position)) {
      window_.RemoveProblemRow(position);
    } else {
      ++position;
    }
    window_.Yield();
  }
}

bool Repairer::RemoveAndTell(bool selected_only, const char* done_id) {
  if (window_.ProblemRowCount() == 0) return false;
  Remove(selected_only);
  // The same message whatever was answered or repaired.
  window_.ShowMessage(texts_.GetText(done_id), texts_.GetText("HIVECARE_REGCLEANER_STRING_85"),
                      scan::kMbOk | scan::kMbIconInformation);
  return true;
}

void Repairer::OnRemoveSelected() { RemoveAndTell(true, "HIVECARE_REGCLEANER_STRING_84"); }

void Repairer::OnRemoveAll() {
  if (!RemoveAndTell(false, "HIVECARE_REGCLEANER_STRING_81")) return;
  window_.HideMainWindow();
  window_.SetCountLabel(texts_.GetText("HIVECARE_REGCLEANER_STRING_83"));
  window_.ShowStartPage();
}

}  // namespace repair
