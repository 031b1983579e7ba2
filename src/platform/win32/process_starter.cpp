#include "platform/win32/process_starter.h"

#include <windows.h>

#include "platform/win32/text_convert.h"

namespace platform {

bool StartProgram(const std::string& path) {
  const std::wstring application = Utf8ToWide(path);
  // The program's own argv[0]: quoted, so it reads back as the whole path.
  std::wstring command_line = L"\"" + application + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(application.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace platform
