#include "platform/win32/win32_process_runner.h"

#include <windows.h>

#include "platform/win32/process_starter.h"

namespace platform {

namespace {

// Owns the process handle, so the question can be asked at any later time.
class Win32RunningProcess : public RunningProcess {
 public:
  explicit Win32RunningProcess(HANDLE process) : process_(process) {}
  ~Win32RunningProcess() override { CloseHandle(process_); }
  Win32RunningProcess(const Win32RunningProcess&) = delete;
  Win32RunningProcess& operator=(const Win32RunningProcess&) = delete;

  // A failed wait counts as ended: nobody should wait forever on a process
  // that can no longer be watched.
  bool HasEnded() override { return WaitForSingleObject(process_, 0) != WAIT_TIMEOUT; }

 private:
  HANDLE process_;
};

}  // namespace

std::unique_ptr<RunningProcess> Win32ProcessRunner::StartHidden(const std::string& application,
                                                                const std::string& command_line) {
  const HANDLE process = StartProcess(application, command_line, SW_HIDE);
  if (!process) return nullptr;
  return std::make_unique<Win32RunningProcess>(process);
}

}  // namespace platform
