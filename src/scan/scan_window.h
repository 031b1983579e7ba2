// What the scan run and the scanners need of the main window. The window
// implements it over its controls; tests implement it with plain data.
#pragma once

#include <string>
#include <vector>

// <windows.h> defines Yield() as an empty macro (a 16-bit Windows relic) that
// would swallow ScanWindow::Yield wherever both are seen.
#ifdef Yield
#undef Yield
#endif

#include "scan/exclude_rule.h"
#include "scan/problem_entry.h"
#include "scan/scan_area.h"

namespace scan {

// Message box styles and answers, by their Windows numbers.
enum MessageStyle : unsigned {
  kMbOk = 0x0,
  kMbOkCancel = 0x1,
  kMbYesNo = 0x4,
  kMbIconQuestion = 0x20,
  kMbIconExclamation = 0x30,
  kMbIconInformation = 0x40,
};
enum MessageAnswer : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

class ScanWindow {
 public:
  virtual ~ScanWindow() = default;

  // The scan button (cmdScan) and the scan-now link (lblLinks(0)).
  virtual std::string ScanCaption() = 0;
  virtual void SetScanCaption(const std::string& caption) = 0;
  virtual void SetScanLinkCaption(const std::string& caption) = 0;

  // Lets the window handle what is queued (repaint, a second press, ...).
  // A press on the scan button runs ScanEngine::OnScanPressed nested in here.
  virtual void Yield() = 0;

  // The problem list (lvInvalidLoc), the count label (Label1), the status bar.
  virtual void ClearProblems() = 0;
  virtual void AppendProblem(const ProblemEntry& entry) = 0;
  virtual void EnableProblemList(bool enabled) = 0;
  virtual void SetCountLabel(const std::string& text) = 0;
  virtual void SetStatusPanel(int panel, const std::string& text) = 0;  // panel 1 or 2

  // Activity: progress bar, hourglass, clock clip (empty path closes it).
  virtual void ShowProgress(bool shown) = 0;
  virtual void SetProgress(int value) = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  virtual void PlayClip(const std::string& path) = 0;
  virtual void StopClip() = 0;

  // Links by their index in the link array.
  virtual void EnableLink(int index, bool enabled) = 0;

  // A message box; returns the answer (MessageAnswer).
  virtual int ShowMessage(const std::string& text, const std::string& title, unsigned style) = 0;

  // Settings and rules as the window holds them now.
  virtual bool SkipCdLan() = 0;                          // chkSkipCDLan checked
  virtual std::vector<ScanArea> ScanAreas() = 0;         // lvLocations, list order
  virtual const std::vector<ExcludeRule>& ExcludeRules() = 0;  // lvExclude, list order
  virtual std::string ProgramFolder() = 0;               // no trailing backslash
};

}  // namespace scan
