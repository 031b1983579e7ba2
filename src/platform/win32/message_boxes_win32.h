// The system's message boxes (MessageBoxW).
#pragma once

#include "platform/message_boxes.h"

namespace platform {

class Win32MessageBoxes : public MessageBoxes {
 public:
  int Show(void* owner, const std::string& text, const std::string& title,
           unsigned style) override;
};

}  // namespace platform
