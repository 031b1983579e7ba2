#include <string>
#include <vector>

#include "common/strings.h"
#include "scan/scan_area.h"

namespace scan {

std::vector<ScanArea> DefaultScanAreas(common::TextSource& texts) {
  const std::vector<std::string> codes = common::Split("HKCU;HKU;HKLM;DLL;VDD;FONT;IFA;COM", ';');
  const std::vector<std::string> names = common::Split(
      "HKEY_CURRENT_USER;HKEY_USERS;HKEY_LOCAL_MACHINE;Invalid Shared Dll's;"
      "Vitual Device Derives;Bad Font References;Invalid File Associations;ActiveX and COM",
      ';');
  // Each description but the last ends with its own ";", so the joined
  // texts split into one piece per area.
  std::string joined;
  for (const char* id : {"HIVECARE_REGCLEANER_STRING_98", "HIVECARE_REGCLEANER_STRING_99",
                         "HIVECARE_REGCLEANER_STRING_100", "HIVECARE_REGCLEANER_STRING_101",
                         "HIVECARE_REGCLEANER_STRING_102", "HIVECARE_REGCLEANER_STRING_103",
                         "HIVECARE_REGCLEANER_STRING_104", "HIVECARE_REGCLEANER_STRING_105"}) {
    joined += texts.GetText(id);
  }
  const std::vector<std::string> descriptions = common::Split(joined, ';');

  std::vector<ScanArea> areas;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    // A language whose texts do not split into eight still lists every area.
    areas.push_back({codes[i], names[i], i < descriptions.size() ? descriptions[i] : "", true});
  }
  return areas;
}

}  // namespace scan
