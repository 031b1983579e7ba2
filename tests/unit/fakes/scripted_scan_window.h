// The main window as a scan sees it, held in plain data. Every call but
// ScanCaption and Yield is logged as one line ("EnableLink 5 1"); Yield
// runs `on_yield`, which is how a test presses the scan button mid-scan.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "scan/scan_window.h"

namespace fakes {

struct ShownMessage {
  std::string text;
  std::string title;
  unsigned style = 0;
  bool operator==(const ShownMessage&) const = default;
};

class ScriptedScanWindow : public scan::ScanWindow {
 public:
  std::string caption;
  std::string link_caption;
  std::vector<scan::ProblemEntry> problems;
  std::vector<ShownMessage> messages;
  std::vector<int> progress;
  std::vector<std::string> log;
  int yields = 0;
  std::function<void()> on_yield;

  bool skip_cd_lan = false;
  std::vector<scan::ScanArea> areas;
  std::vector<scan::ExcludeRule> rules;
  std::string program_folder = "C:\\Program Files\\Suite";

  // The logged calls that begin with `name`, e.g. Calls("EnableLink").
  std::vector<std::string> Calls(const std::string& name) const {
    std::vector<std::string> found;
    for (const std::string& line : log) {
      if (line.rfind(name, 0) == 0) found.push_back(line);
    }
    return found;
  }

  std::string ScanCaption() override { return caption; }
  void SetScanCaption(const std::string& text) override {
    caption = text;
    log.push_back("SetScanCaption " + text);
  }
  void SetScanLinkCaption(const std::string& text) override {
    link_caption = text;
    log.push_back("SetScanLinkCaption " + text);
  }
  void Yield() override {
    ++yields;
    if (on_yield) on_yield();
  }
  void ClearProblems() override {
    problems.clear();
    log.push_back("ClearProblems");
  }
  void AppendProblem(const scan::ProblemEntry& entry) override { problems.push_back(entry); }
  void EnableProblemList(bool enabled) override {
    log.push_back("EnableProblemList " + std::to_string(enabled));
  }
  void SetCountLabel(const std::string& text) override { log.push_back("SetCountLabel " + text); }
  void SetStatusPanel(int panel, const std::string& text) override {
    log.push_back("SetStatusPanel " + std::to_string(panel) + " " + text);
  }
  void ShowProgress(bool shown) override { log.push_back("ShowProgress " + std::to_string(shown)); }
  void SetProgress(int value) override { progress.push_back(value); }
  void SetBusyCursor(bool busy) override { log.push_back("SetBusyCursor " + std::to_string(busy)); }
  void PlayClip(const std::string& path) override { log.push_back("PlayClip " + path); }
  void StopClip() override { log.push_back("StopClip"); }
  void EnableLink(int index, bool enabled) override {
    log.push_back("EnableLink " + std::to_string(index) + " " + std::to_string(enabled));
  }
  int ShowMessage(const std::string& text, const std::string& title, unsigned style) override {
    messages.push_back({text, title, style});
    log.push_back("ShowMessage " + text);
    return scan::kIdOk;
  }
  bool SkipCdLan() override { return skip_cd_lan; }
  std::vector<scan::ScanArea> ScanAreas() override { return areas; }
  const std::vector<scan::ExcludeRule>& ExcludeRules() override { return rules; }
  std::string ProgramFolder() override { return program_folder; }
};

}  // namespace fakes
