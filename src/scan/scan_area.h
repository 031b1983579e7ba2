// The scan areas the user can check, in list order.
#pragma once

#include <string>
#include <vector>

#include "common/text_source.h"
#include "platform/registry.h"

namespace scan {

struct ScanArea {
  std::string code;         // "HKCU", "HKU", "HKLM", "DLL", "VDD", "FONT", "IFA", "COM"
  std::string name;         // fixed, not translated
  std::string description;  // from the language library
  bool checked = true;
};

// The eight areas, all checked, with their descriptions in the current language.
std::vector<ScanArea> DefaultScanAreas(common::TextSource& texts);

// The eight areas checked as "LocState" in the settings key says; a piece
// that is missing or does not read as a number leaves its area checked.
std::vector<ScanArea> LoadLocations(platform::Registry& registry, common::TextSource& texts);
// Stores the areas' names, descriptions and states ("Locations", "LocDesc",
// "LocState"), each joined by ";".
void SaveFileTypes(platform::Registry& registry, const std::vector<ScanArea>& areas);

}  // namespace scan
