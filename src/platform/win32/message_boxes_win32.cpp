#include "platform/win32/message_boxes_win32.h"

#include <windows.h>

#include "platform/win32/text_convert.h"

namespace platform {

// A message with no title of its own carries its owner's, the program's
// name, rather than the system's "Error".
int Win32MessageBoxes::Show(void* owner, const std::string& text, const std::string& title,
                            unsigned style) {
  HWND window = static_cast<HWND>(owner);
  std::wstring caption = Utf8ToWide(title);
  if (caption.empty() && window) {
    caption.resize(static_cast<size_t>(GetWindowTextLengthW(window)) + 1);
    caption.resize(static_cast<size_t>(
        GetWindowTextW(window, caption.data(), static_cast<int>(caption.size()))));
  }
  return MessageBoxW(window, Utf8ToWide(text).c_str(), caption.c_str(), style);
}

}  // namespace platform
