// Follows the export the last backup started: the registry editor writes the
// file in its own process, so the list watches the file grow and calls the
// backup complete once its size stands still and the editor has ended.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/process_runner.h"

namespace backup {

class ExportTracker {
 public:
  enum class Step { kInProgress, kComplete };

  // Starts following the export into the backup `name`, run by `exporter`
  // (may be null when nobody can tell whether it still runs). Replaces
  // whatever was followed before.
  void Arm(const std::string& name, std::unique_ptr<platform::RunningProcess> exporter);
  // True while the backup `name` is followed.
  bool Tracks(const std::string& name) const;
  // One measurement of the followed file, in hundredths of MB. Complete (and
  // no longer tracking) when the size equals the last measurement, is not
  // 0.00 MB and the exporter has ended; in progress otherwise.
  Step Measure(std::int64_t hundredths_of_mb);

  bool tracking() const { return tracking_; }
  const std::string& name() const { return name_; }

 private:
  bool tracking_ = false;
  bool measured_ = false;  // the first measurement after arming is never the last
  std::int64_t last_hundredths_ = 0;
  std::string name_;
  std::unique_ptr<platform::RunningProcess> exporter_;
};

}  // namespace backup
