#include "platform/win32/process_starter.h"

#include "platform/win32/text_convert.h"

namespace platform {

HANDLE StartProcess(const std::string& application, const std::string& command_line, WORD show) {
  const std::wstring wide_application = Utf8ToWide(application);
  // CreateProcessW may write into the command line, so it gets its own copy.
  std::wstring wide_command_line = Utf8ToWide(command_line);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(wide_application.c_str(), wide_command_line.data(), nullptr, nullptr, FALSE,
                      0, nullptr, nullptr, &startup, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

bool StartProgram(const std::string& path) {
  // The program's own argv[0]: quoted, so it reads back as the whole path.
  const HANDLE process = StartProcess(path, "\"" + path + "\"", SW_SHOWNORMAL);
  if (!process) return false;
  CloseHandle(process);
  return true;
}

}  // namespace platform
