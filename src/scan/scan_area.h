// The scan areas the user can check, in list order.
#pragma once

#include <string>
#include <vector>

#include "common/text_source.h"

namespace scan {

struct ScanArea {
  std::string code;         // "HKCU", "HKU", "HKLM", "DLL", "VDD", "FONT", "IFA", "COM"
  std::string name;         // fixed, not translated
  std::string description;  // from the language library
  bool checked = true;
};

// The eight areas, all checked, with their descriptions in the current language.
std::vector<ScanArea> DefaultScanAreas(common::TextSource& texts);

}  // namespace scan
