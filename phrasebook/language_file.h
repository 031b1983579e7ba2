// Language files: UTF-8 text that holds the texts of one or more languages.
//
//   ; a comment
//   [English]
//   HIVECARE_REGCLEANER_1=Norvane Hivecare for Vista
//   HIVECARE_REGCLEANER_STRING_91=The scan is complete.\nReview the problems found.
//
// In a text, "\n" is a line break and "\\" a backslash; everything after the
// first "=" belongs to the text, spaces included.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace phrasebook {

// Text ID -> text, UTF-8.
using TextTable = std::unordered_map<std::string, std::string>;

struct LanguageSection {
  std::string language;  // the name between the brackets
  TextTable texts;
};

// The sections of a file's content, in file order. Lines before the first
// section, lines without "=" and lines with an empty ID are ignored; a CR
// before the line end and a UTF-8 byte order mark are allowed.
std::vector<LanguageSection> ParseLanguageFile(std::string_view content);

// Resolves the escapes of a text as written in a file.
std::string UnescapeText(std::string_view raw);

// The language a user gets when no other is chosen, or the chosen one is gone.
inline constexpr std::string_view kDefaultLanguage = "English";

// The texts of `language` in `sections`: where several sections carry it,
// a later text replaces an earlier one of the same ID.
TextTable TextsOf(std::vector<LanguageSection> sections, std::string_view language);

// The languages `sections` offer, each once, in the order they first appear.
std::vector<std::string> LanguageNames(const std::vector<LanguageSection>& sections);

// The language lookups use: `stored` when it is on offer (names compare
// exactly, as written in the files), otherwise kDefaultLanguage.
std::string ChosenLanguage(std::string_view stored, const std::vector<std::string>& offered);

}  // namespace phrasebook
