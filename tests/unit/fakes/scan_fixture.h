// An engine over the in-memory platform, with short English texts and the
// window at rest (the start caption on the scan button, no area checked).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "fakes/map_text_source.h"
#include "fakes/scripted_scan_window.h"
#include "platform/memory_file_system.h"
#include "platform/memory_registry.h"
#include "scan/kept_texts.h"
#include "scan/scan_engine.h"

namespace scan {

// Rows print as their six columns when an expectation fails.
inline void PrintTo(const ProblemEntry& row, std::ostream* out) {
  *out << "{" << row.location << " | " << row.value_name << " | " << row.value_data << " | "
       << row.reason << " | " << row.reg_type << " | " << row.attributes << "}";
}

}  // namespace scan

namespace fakes {

inline MapTextSource EnglishTexts() {
  MapTextSource texts({
      {"HIVECARE_REGCLEANER_STRING_18", "No area to scan"},
      {"HIVECARE_REGCLEANER_STRING_19", "Problems: "},
      {"HIVECARE_REGCLEANER_STRING_20", " Registry Errors or Problems Found"},
      {"HIVECARE_REGCLEANER_STRING_21", "Found: "},
      {"HIVECARE_REGCLEANER_STRING_22", "Scan again"},
      {"HIVECARE_REGCLEANER_STRING_46", "Yes"},
      {"HIVECARE_REGCLEANER_STRING_47", "No"},
      {"HIVECARE_REGCLEANER_STRING_91", "Scan complete"},
      {"HIVECARE_REGCLEANER_STRING_92", "Hivecare"},
      {"HIVECARE_REGCLEANER_STRING_93", "&Stop"},
      {"HIVECARE_REGCLEANER_STRING_94", "Stop now"},
      {"HIVECARE_REGCLEANER_STRING_305", "&Search for problems >"},
      {"HIVECARE_REGCLEANER_STRING_306", "Search again >"},
  });
  for (int entry = 0; entry <= 12; ++entry) {
    texts.Set("HIVECARE_REGCLEANER_STRING_" + std::to_string(entry + 3),
              "Reason " + std::to_string(entry));
  }
  return texts;
}

class ScanFixture : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u); }

  // Checks exactly the areas with the given codes.
  void CheckAreas(std::initializer_list<std::string> codes) {
    window.areas = scan::DefaultScanAreas(texts);
    for (scan::ScanArea& area : window.areas) {
      area.checked = std::find(codes.begin(), codes.end(), area.code) != codes.end();
    }
  }

  std::vector<std::string> Locations() const {
    std::vector<std::string> locations;
    for (const scan::ProblemEntry& row : window.problems) locations.push_back(row.location);
    return locations;
  }

  platform::MemoryRegistry registry;
  platform::MemoryFileSystem files;
  MapTextSource texts = EnglishTexts();
  const scan::KeptTexts kept = scan::KeptTexts::Load(texts);
  ScriptedScanWindow window = [this] {
    ScriptedScanWindow at_rest;
    at_rest.caption = kept.idle_caption;
    return at_rest;
  }();
  scan::ScanEngine engine{registry, files, texts, window, kept};
};

}  // namespace fakes
