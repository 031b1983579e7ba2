// The scan run: the scan button's handler, the area dispatch and the stop
// test. A second press during a scan runs the handler again, nested inside
// a yield of the running scanner; it changes the button caption, and every
// scanner sees the change at its next stop test and unwinds.
#include <string>
#include <vector>

#include "scan/scan_engine.h"

namespace scan {

ScanEngine::ScanEngine(platform::Registry& registry, platform::FileSystem& files,
                       common::TextSource& texts, ScanWindow& window, const KeptTexts& kept)
    : reader_(registry), check_(files), texts_(texts), window_(window), kept_(kept) {}

bool ScanEngine::ScanStopped() {
  const std::string caption = window_.ScanCaption();
  const std::string start = texts_.GetText("HIVECARE_REGCLEANER_STRING_305");
  const std::string restart = texts_.GetText("HIVECARE_REGCLEANER_STRING_306");
  return caption == start || caption == restart;
}

// The progress bar only shows activity: it climbs by 3 and falls back to 1.
void ScanEngine::StepProgress() {
  progress_ += 3;
  if (progress_ > 95) progress_ = 1;
  window_.SetProgress(progress_);
}

void ScanEngine::ScanKey(const std::string& skey) {
  using Scanner = void (ScanEngine::*)(std::uint32_t root, const std::string& path);
  struct Area {
    const char* code;
    Scanner scanner;
    std::uint32_t root;
    std::vector<std::string> start_keys;
  };
  static const std::vector<Area> kAreas = {
      {"HKCU", &ScanEngine::WalkKey, platform::kCurrentUser, {"software"}},
      {"HKU", &ScanEngine::WalkKey, platform::kUsers, {""}},
      {"HKLM", &ScanEngine::WalkKey, platform::kLocalMachine, {""}},
      {"DLL", &ScanEngine::ScanSharedDlls, platform::kLocalMachine,
       {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls"}},
      {"VDD", &ScanEngine::WalkKey, platform::kLocalMachine,
       {"SYSTEM\\CurrentControlSet\\Services\\VxD"}},
      {"FONT", &ScanEngine::ScanFontKey, platform::kLocalMachine,
       {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts",
        "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"}},
      {"IFA", &ScanEngine::ScanFileTypes, platform::kClassesRoot, {""}},
      {"COM", &ScanEngine::ScanComKey, platform::kLocalMachine,
       {"software\\classes\\CLSID", "software\\classes\\TypeLib",
        "software\\classes\\interface"}},
  };
  for (const Area& area : kAreas) {
    if (skey != area.code) continue;
    for (const std::string& start : area.start_keys) (this->*area.scanner)(area.root, start);
    return;
  }
}

void ScanEngine::RunAreas() {
  StepProgress();
  window_.ClearProblems();
  window_.Yield();
  window_.SetScanCaption(kept_.stop_caption);
  window_.SetScanLinkCaption(kept_.stop_caption);
  problem_count_ = 0;

  bool area_scanned = false;
  for (const ScanArea& area : window_.ScanAreas()) {
    if (area.checked) {
      area_scanned = true;
      window_.Yield();
      ScanKey(area.code);
      window_.Yield();
    }
    if (ScanStopped()) break;
  }
  if (!area_scanned) window_.ShowMessage(kept_.no_area, "", kMbOk);
}

void ScanEngine::CloseScan() {
  progress_ = 1;
  window_.SetProgress(progress_);
  window_.ShowProgress(false);
  window_.SetBusyCursor(false);
  for (const int link : {5, 6, 1, 3, 4}) window_.EnableLink(link, true);
  window_.StopClip();
  window_.ShowMessage(texts_.GetText("HIVECARE_REGCLEANER_STRING_91"),
                      texts_.GetText("HIVECARE_REGCLEANER_STRING_92"),
                      kMbOk | kMbIconInformation);
  window_.EnableProblemList(true);

  const std::string count = std::to_string(problem_count_);
  window_.SetStatusPanel(1, kept_.panel1_prefix + count);
  window_.SetCountLabel(count + kept_.count_suffix);
  window_.SetStatusPanel(2, kept_.panel2_prefix + count);

  // Only the press that finds a stop caption puts the start caption back.
  const std::string caption = window_.ScanCaption();
  if (caption == texts_.GetText("HIVECARE_REGCLEANER_STRING_94") ||
      caption == texts_.GetText("HIVECARE_REGCLEANER_STRING_93")) {
    window_.SetScanCaption(kept_.idle_caption);
    window_.SetScanLinkCaption(kept_.scan_done_link);
    window_.SetBusyCursor(false);
    window_.StopClip();
  }
}

void ScanEngine::OnScanPressed() {
  window_.PlayClip(window_.ProgramFolder() + "\\clock.avi");
  window_.ShowProgress(true);
  window_.SetBusyCursor(true);
  window_.EnableProblemList(false);
  window_.EnableLink(1, false);
  window_.EnableLink(3, false);

  const std::string caption = window_.ScanCaption();
  if (caption == texts_.GetText("HIVECARE_REGCLEANER_STRING_306") ||
      caption == texts_.GetText("HIVECARE_REGCLEANER_STRING_305")) {
    RunAreas();
  }
  CloseScan();
}

}  // namespace scan
