// The problem record: one row per problem, unless the reference lies on a
// CD-ROM or network drive and the user asked to leave those alone.
#include <string>

#include "common/strings.h"
#include "scan/scan_engine.h"

namespace scan {

void ScanEngine::AddtoList(std::uint32_t sRootKey, const std::string& sKeyLocation,
                           const std::string& sKeyname, const std::string& sKeyValue,
                           std::uint32_t vType, const std::string& sReason) {
  if (common::Contains(sKeyValue, ":\\") && window_.SkipCdLan()) {
    const int type = DriveTypeOf(check_.files(), DriveRootOf(sKeyValue));
    if (type == platform::kDriveNetwork || type == platform::kDriveCdRom) return;
  }

  window_.AppendProblem({HkeyText(sRootKey) + "\\" + sKeyLocation, sKeyname, sKeyValue, sReason,
                         std::to_string(vType), ""});
  ++problem_count_;
  window_.SetCountLabel(std::to_string(problem_count_) + kept_.count_suffix);
  StepProgress();
}

}  // namespace scan
