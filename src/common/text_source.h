// The text lookup: every text the suite shows is fetched by a text ID.
#pragma once

#include <string>
#include <string_view>

namespace common {

// Returns the text for an ID in the current language: at most 255 bytes of
// the language's code page, empty when the ID is unknown or the language
// library cannot be used. Never fails.
class TextSource {
 public:
  virtual ~TextSource() = default;
  virtual std::string GetText(std::string_view id) = 0;
};

}  // namespace common
