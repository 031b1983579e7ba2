// A process runner that starts nothing: it records what it was asked to
// start and hands out processes whose end the test decides.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/process_runner.h"

namespace fakes {

class FakeRunningProcess : public platform::RunningProcess {
 public:
  explicit FakeRunningProcess(std::shared_ptr<bool> ended) : ended_(std::move(ended)) {}
  bool HasEnded() override { return *ended_; }

 private:
  std::shared_ptr<bool> ended_;
};

class FakeProcessRunner : public platform::ProcessRunner {
 public:
  struct Start {
    std::string application;
    std::string command_line;
  };

  std::vector<Start> starts;
  bool fail = false;  // every start fails (null) while set
  // Whether the processes started so far have ended; all share it.
  std::shared_ptr<bool> ended = std::make_shared<bool>(false);

  std::unique_ptr<platform::RunningProcess> StartHidden(
      const std::string& application, const std::string& command_line) override {
    starts.push_back({application, command_line});
    if (fail) return nullptr;
    return std::make_unique<FakeRunningProcess>(ended);
  }
};

}  // namespace fakes
