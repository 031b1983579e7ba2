// The texts of the current language, read from the language files beside
// the library and kept in memory in the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace phrasebook {

// The longest text a caller's text area takes, in bytes.
inline constexpr std::size_t kMaxTextBytes = 255;

// The language whose texts lookups return.
std::string CurrentLanguage();

// Text ID -> text in CP_ACP, at most kMaxTextBytes long. Read at the first
// call, from every "*.lng" file in the library's own folder in name order.
const std::unordered_map<std::string, std::string>& CurrentTexts();

}  // namespace phrasebook
