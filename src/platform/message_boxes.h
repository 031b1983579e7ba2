// The message boxes the system shows, behind one seam so that tests can
// answer them. Styles and answers are the Windows numbers (MB_*, ID*).
#pragma once

#include <string>

namespace platform {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows `text` with `title` over `owner` (a window handle, or null) and
  // returns the button pressed.
  virtual int Show(void* owner, const std::string& text, const std::string& title,
                   unsigned style) = 0;
};

}  // namespace platform
