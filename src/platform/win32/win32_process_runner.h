// Starts helper programs hidden through CreateProcessW.
#pragma once

#include <memory>
#include <string>

#include "platform/process_runner.h"

namespace platform {

class Win32ProcessRunner : public ProcessRunner {
 public:
  std::unique_ptr<RunningProcess> StartHidden(const std::string& application,
                                              const std::string& command_line) override;
};

}  // namespace platform
