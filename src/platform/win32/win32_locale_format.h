// The user's date and number formats from the Windows locale settings.
#pragma once

#include <cstdint>
#include <string>

#include "platform/locale_format.h"

namespace platform {

class Win32LocaleFormat : public LocaleFormat {
 public:
  std::string ShortDate(std::int64_t utc_seconds) override;
  std::string DecimalSeparator() override;
};

}  // namespace platform
