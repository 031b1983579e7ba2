#include "backup/export_tracker.h"

#include <utility>

namespace backup {

void ExportTracker::Arm(const std::string& name,
                        std::unique_ptr<platform::RunningProcess> exporter) {
  tracking_ = true;
  measured_ = false;
  last_hundredths_ = 0;
  name_ = name;
  exporter_ = std::move(exporter);
}

bool ExportTracker::Tracks(const std::string& name) const {
  return tracking_ && name == name_;
}

ExportTracker::Step ExportTracker::Measure(std::int64_t hundredths_of_mb) {
  if (!tracking_) return Step::kInProgress;
  // A size of 0.00 MB is an export that has barely begun (or failed at once);
  // a size that stands still may be the editor pausing on a large key, so
  // only its end makes the file final.
  const bool settled = measured_ && hundredths_of_mb == last_hundredths_ && hundredths_of_mb != 0;
  if (settled && (!exporter_ || exporter_->HasEnded())) {
    tracking_ = false;
    measured_ = false;
    exporter_.reset();
    return Step::kComplete;
  }
  measured_ = true;
  last_hundredths_ = hundredths_of_mb;
  return Step::kInProgress;
}

}  // namespace backup
