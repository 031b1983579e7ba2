// Starts helper programs (the registry editor) in the background and lets
// the caller ask later whether they have ended.
#pragma once

#include <memory>
#include <string>

namespace platform {

class RunningProcess {
 public:
  virtual ~RunningProcess() = default;
  // True once the process has exited.
  virtual bool HasEnded() = 0;
};

class ProcessRunner {
 public:
  virtual ~ProcessRunner() = default;
  // Starts the program file `application` (full path, UTF-8) with
  // `command_line` (the whole line, the quoted program path first), its
  // window hidden, without waiting for it. Null when it cannot start.
  virtual std::unique_ptr<RunningProcess> StartHidden(const std::string& application,
                                                      const std::string& command_line) = 0;
};

}  // namespace platform
