// How the user's locale writes dates and numbers.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class LocaleFormat {
 public:
  virtual ~LocaleFormat() = default;
  // The date part of `utc_seconds` (since 1970-01-01 UTC), in local time,
  // in the user's short date format; "" when it cannot be written.
  virtual std::string ShortDate(std::int64_t utc_seconds) = 0;
  // The user's decimal separator, such as "." or ",".
  virtual std::string DecimalSeparator() = 0;
};

}  // namespace platform
