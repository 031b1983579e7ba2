// The window side of a scan without a window: the main window's message
// pump and a running scan's caption; the rows are kept in memory. Lets the
// bench and the scan report drive the engine exactly as the window does.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "scan/scan_window.h"
#include "shell/message_pump.h"

namespace bench {

class QuietScanWindow : public scan::ScanWindow {
 public:
  explicit QuietScanWindow(std::string caption) : caption_(std::move(caption)) {}
  const std::vector<scan::ProblemEntry>& problems() const { return problems_; }

  std::string ScanCaption() override { return caption_; }
  void SetScanCaption(const std::string& caption) override { caption_ = caption; }
  void SetScanLinkCaption(const std::string&) override {}
  void Yield() override { pump_.Yield(); }
  void ClearProblems() override { problems_.clear(); }
  void AppendProblem(const scan::ProblemEntry& entry) override { problems_.push_back(entry); }
  void EnableProblemList(bool) override {}
  void SetCountLabel(const std::string&) override {}
  void SetStatusPanel(int, const std::string&) override {}
  void ShowProgress(bool) override {}
  void SetProgress(int) override {}
  void SetBusyCursor(bool) override {}
  void PlayClip(const std::string&) override {}
  void StopClip() override {}
  void EnableLink(int, bool) override {}
  int ShowMessage(const std::string&, const std::string&, unsigned) override { return 1; }
  bool SkipCdLan() override { return false; }
  std::vector<scan::ScanArea> ScanAreas() override { return {}; }
  const std::vector<scan::ExcludeRule>& ExcludeRules() override { return rules_; }
  std::string ProgramFolder() override { return {}; }

 private:
  shell::MessagePump pump_;
  std::string caption_;
  std::vector<scan::ExcludeRule> rules_;
  std::vector<scan::ProblemEntry> problems_;
};

}  // namespace bench
