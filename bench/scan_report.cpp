// Scans the registry of the prefix it runs in, area by area, as tidemark
// does, and prints every problem found as a tab-separated row:
//   area, location, value name, value data, reason, type
//
//   scan_report.exe [AREA ...]     (default: HKCU HKU HKLM VDD)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/quiet_scan_window.h"
#include "platform/win32/phrasebook_texts.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "scan/kept_texts.h"
#include "scan/scan_engine.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> areas;
  for (int i = 1; i < argc; ++i) areas.push_back(platform::WideToUtf8(argv[i]));
  if (areas.empty()) areas = {"HKCU", "HKU", "HKLM", "VDD"};

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  platform::PhrasebookTexts texts;
  const scan::KeptTexts kept = scan::KeptTexts::Load(texts);
  if (kept.stop_caption.empty()) {
    std::printf("the language library gave no texts: is phrasebook.dll beside scan_report.exe?\n");
    return 1;
  }
  bench::QuietScanWindow window(kept.stop_caption);
  scan::ScanEngine engine(registry, files, texts, window, kept);
  for (const std::string& area : areas) {
    window.ClearProblems();
    engine.ScanKey(area);
    for (const scan::ProblemEntry& row : window.problems()) {
      std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", area.c_str(), row.location.c_str(),
                  row.value_name.c_str(), row.value_data.c_str(), row.reason.c_str(),
                  row.reg_type.c_str());
    }
  }
  return 0;
}
