// A locale with a chosen decimal separator whose short date is the plain
// seconds, so tests see which file's time went into which row.
#pragma once

#include <cstdint>
#include <string>

#include "platform/locale_format.h"

namespace fakes {

class FixedLocaleFormat : public platform::LocaleFormat {
 public:
  explicit FixedLocaleFormat(std::string separator = ".") : separator_(std::move(separator)) {}

  std::string ShortDate(std::int64_t utc_seconds) override {
    return "date " + std::to_string(utc_seconds);
  }
  std::string DecimalSeparator() override { return separator_; }

 private:
  std::string separator_;
};

}  // namespace fakes
