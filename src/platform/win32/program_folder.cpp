#include "platform/win32/program_folder.h"

#include <windows.h>

#include "platform/win32/text_convert.h"

namespace platform {

std::string ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // a long path: try again with room for it
  }
  return platform::WideToUtf8(path.substr(0, path.find_last_of(L'\\')));
}

}  // namespace platform
