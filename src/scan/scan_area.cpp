#include <charconv>
#include <string>
#include <vector>

#include "common/registry_settings.h"
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

namespace {

// A stored state checks its area unless it reads as a number other than 1;
// a missing or unreadable piece leaves the area checked.
bool StateChecks(const std::vector<std::string>& states, std::size_t index) {
  if (index >= states.size()) return true;
  const std::string piece = common::Trim(states[index]);
  int number = 0;
  const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), number);
  if (error != std::errc() || end != piece.data() + piece.size()) return true;
  return number == 1;
}

// The pieces joined by ";", trimmed, without the last ";".
std::string JoinPieces(const std::vector<std::string>& pieces) {
  std::string joined;
  for (const std::string& piece : pieces) joined += piece + ";";
  joined = common::Trim(joined);
  if (!joined.empty()) joined.pop_back();
  return joined;
}

}  // namespace

std::vector<ScanArea> LoadLocations(platform::Registry& registry, common::TextSource& texts) {
  std::vector<ScanArea> areas = DefaultScanAreas(texts);
  const std::vector<std::string> states = common::Split(
      common::GetRegString(registry, platform::kCurrentUser, common::kSettingsKey, "LocState",
                           "1;1;1;1;1;1;1;1"),
      ';');
  for (std::size_t i = 0; i < areas.size(); ++i) areas[i].checked = StateChecks(states, i);
  return areas;
}

void SaveFileTypes(platform::Registry& registry, const std::vector<ScanArea>& areas) {
  std::vector<std::string> names, descriptions, states;
  for (const ScanArea& area : areas) {
    names.push_back(area.name);
    descriptions.push_back(area.description);
    states.push_back(area.checked ? "1" : "0");
  }
  const auto save = [&registry](const char* name, const std::vector<std::string>& pieces) {
    common::SaveRegString(registry, platform::kCurrentUser, common::kSettingsKey, name,
                          JoinPieces(pieces));
  };
  save("Locations", names);
  save("LocDesc", descriptions);
  save("LocState", states);
}

}  // namespace scan
