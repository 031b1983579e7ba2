// The texts of the current language, read from the language files beside
// the library and kept in memory in the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace phrasebook {

// The longest text a caller's text area takes, in bytes.
inline constexpr std::size_t kMaxTextBytes = 255;

// The languages of the "*.lng" files beside the library, each once: the
// files in name order, the sections of each in file order.
std::vector<std::string> LanguagesOnOffer();

// The language whose texts lookups return: the user's stored choice when a
// file beside the library offers it, otherwise English.
std::string CurrentLanguage();

// Text ID -> text in CP_ACP, at most kMaxTextBytes long. Read at the first
// call, from every "*.lng" file in the library's own folder in name order,
// and kept until ForgetTexts. Lookups come from one thread at a time.
const std::unordered_map<std::string, std::string>& CurrentTexts();

// Drops the texts read so far: the next lookup reads them again, in the
// language chosen by then.
void ForgetTexts();

}  // namespace phrasebook
