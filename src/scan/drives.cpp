// Root key names and the drive lookups of the CD-ROM/network filter.
#include <array>
#include <string>

#include "scan/scan_engine.h"

namespace scan {

std::string HkeyText(std::uint32_t sRootKey) {
  static constexpr std::array<const char*, 7> kNames = {
      "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
      "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
  const std::uint32_t index = sRootKey - platform::kClassesRoot;
  return index < kNames.size() ? kNames[index] : "";
}

int DriveTypeOf(platform::FileSystem& files, const std::string& root) {
  for (const platform::Drive& drive : files.Drives()) {
    if (std::string{drive.letter, ':', '\\'} == root) return drive.type;
  }
  return platform::kDriveUnknown;
}

// PathStripToRoot leaves "X:\" (in the case written) for a drive path; any
// other root it can give (a UNC share, "\", nothing) names no drive letter,
// so the empty text stands for all of them.
std::string DriveRootOf(const std::string& text) {
  if (text.size() >= 3 && text[1] == ':' && text[2] == '\\') return text.substr(0, 3);
  return {};
}

}  // namespace scan
