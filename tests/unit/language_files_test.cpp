// The language file parser, and the language files the suite ships: every
// language must carry every text ID the code asks for, and the texts that
// the programs compare with one another must keep their relations.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "common/strings.h"
#include "language_file.h"

namespace {

namespace fs = std::filesystem;
using phrasebook::LanguageSection;
using phrasebook::ParseLanguageFile;
using phrasebook::TextTable;

const fs::path kSourceDir = SUITE_SOURCE_DIR;

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// --- The parser -------------------------------------------------------------

TEST(UnescapeText, ResolvesLineBreaksAndBackslashesOnly) {
  const struct {
    std::string raw, text;
  } cases[] = {
      {R"(one\ntwo)", "one\ntwo"},
      {R"(C:\\Windows)", R"(C:\Windows)"},
      {R"(\\n)", R"(\n)"},          // an escaped backslash, then a plain n
      {R"(C:\Windows)", R"(C:\Windows)"},  // an unknown escape stays as written
      {R"(ends\)", R"(ends\)"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(phrasebook::UnescapeText(c.raw), c.text) << c.raw;
}

TEST(ParseLanguageFile, ReadsSectionsAndTheirTexts) {
  const auto sections = ParseLanguageFile(
      "; a comment\n"
      "ORPHAN=before any section\n"
      "[English]\n"
      "A=First\n"
      "  ; an indented comment\n"
      "B=Two = signs=\n"
      "C=Trailing space \n"
      "D= Leading space\n"
      "EMPTY=\n"
      "no equals sign\n"
      "=no id\n"
      "\n"
      "[ Deutsch ]\n"
      "A=Erste\\nZeile\n");
  ASSERT_EQ(sections.size(), 2u);
  EXPECT_EQ(sections[0].language, "English");
  EXPECT_EQ(sections[0].texts, (TextTable{{"A", "First"}, {"B", "Two = signs="}, {"C", "Trailing space "},
                                          {"D", " Leading space"}, {"EMPTY", ""}}));
  EXPECT_EQ(sections[1].language, "Deutsch");
  EXPECT_EQ(sections[1].texts, (TextTable{{"A", "Erste\nZeile"}}));
}

TEST(ParseLanguageFile, AcceptsCrLfLinesAndAByteOrderMark) {
  const auto sections = ParseLanguageFile("\xEF\xBB\xBF[English]\r\nA=First\r\nB=Second\\nline\r\n");
  ASSERT_EQ(sections.size(), 1u);
  EXPECT_EQ(sections[0].language, "English");
  EXPECT_EQ(sections[0].texts, (TextTable{{"A", "First"}, {"B", "Second\nline"}}));
}

TEST(ParseLanguageFile, EmptyOrSectionlessContentHasNoSections) {
  EXPECT_TRUE(ParseLanguageFile("").empty());
  EXPECT_TRUE(ParseLanguageFile("A=1\nB=2").empty());
}

TEST(TextsOf, TakesOnlyTheChosenLanguageAndLaterTextsWin) {
  auto sections = ParseLanguageFile("[English]\nA=one\nKEPT=kept\n[Deutsch]\nA=eins\nB=zwei\n");
  for (auto& later : ParseLanguageFile("[English]\nA=new\n")) sections.push_back(std::move(later));
  EXPECT_EQ(phrasebook::TextsOf(sections, "English"), (TextTable{{"A", "new"}, {"KEPT", "kept"}}));
  EXPECT_EQ(phrasebook::TextsOf(sections, "Klingon"), TextTable{});
}

// --- The languages on offer and the chosen one ------------------------------

TEST(LanguageNames, EachLanguageOnceInTheOrderItFirstAppears) {
  const auto names = [](std::string_view content) { return phrasebook::LanguageNames(ParseLanguageFile(content)); };
  EXPECT_EQ(names("[English]\nA=1\n[Espa\xC3\xB1ol]\nA=2\n[English]\nB=3\n[Deutsch]\n"),
            (std::vector<std::string>{"English", "Espa\xC3\xB1ol", "Deutsch"}));
  EXPECT_EQ(names(""), std::vector<std::string>{});
}

TEST(ChosenLanguage, TheStoredOneWhenOfferedOtherwiseEnglish) {
  const std::vector<std::string> offered{"English", "Espa\xC3\xB1ol"};
  const struct {
    std::string stored, chosen;
  } cases[] = {
      {"Espa\xC3\xB1ol", "Espa\xC3\xB1ol"},
      {"English", "English"},
      {"", "English"},         // nothing stored
      {"Klingon", "English"},  // no file offers it (any more)
      {"espa\xC3\xB1ol", "English"},  // names compare exactly, as the files write them
  };
  for (const auto& c : cases) EXPECT_EQ(phrasebook::ChosenLanguage(c.stored, offered), c.chosen) << c.stored;
  EXPECT_EQ(phrasebook::ChosenLanguage("Espa\xC3\xB1ol", {}), "English");
}

// --- The shipped language files ---------------------------------------------

std::vector<fs::path> LanguageFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(kSourceDir / "phrasebook" / "lang"))
    if (entry.path().extension() == ".lng") files.push_back(entry.path());
  return files;
}

// Every text ID written as a string literal in the programs' sources.
std::set<std::string> TextIdsInSources() {
  static const std::regex kId(
      R"re("((HIVECARE_(REGCLEANER_|EXCLUDE_)?(STRING_)?[0-9]+)|RBC_[A-Za-z0-9]+|REGISTRY_BACKUP_[0-9]+|msgErrConnect|msgBrowser|PHRASEBOOK_[A-Z0-9]+)")re");
  std::set<std::string> ids;
  for (const char* folder : {"src", "phrasebook"}) {
    for (const auto& entry : fs::recursive_directory_iterator(kSourceDir / folder)) {
      const auto extension = entry.path().extension();
      if (extension != ".cpp" && extension != ".h") continue;
      const std::string code = ReadFile(entry.path());
      for (std::sregex_iterator it(code.begin(), code.end(), kId), end; it != end; ++it) ids.insert((*it)[1]);
    }
  }
  return ids;
}

struct Language {
  std::string file;
  LanguageSection section;
};

std::vector<Language> ShippedLanguages() {
  std::vector<Language> languages;
  for (const auto& file : LanguageFiles())
    for (auto& section : ParseLanguageFile(ReadFile(file)))
      languages.push_back({file.filename().string(), std::move(section)});
  return languages;
}

std::string Text(const Language& language, const std::string& id) {
  const auto found = language.section.texts.find(id);
  return found == language.section.texts.end() ? std::string() : found->second;
}

TEST(LanguageFiles, EveryFileHoldsAtLeastOneLanguageAndEnglishIsShipped) {
  const auto files = LanguageFiles();
  ASSERT_FALSE(files.empty());
  for (const auto& file : files) EXPECT_FALSE(ParseLanguageFile(ReadFile(file)).empty()) << file;
  bool english = false;
  for (const auto& language : ShippedLanguages()) english = english || language.section.language == "English";
  EXPECT_TRUE(english);
}

TEST(LanguageFiles, EveryIdTheCodeUsesHasAText) {
  const auto ids = TextIdsInSources();
  for (const auto& language : ShippedLanguages())
    for (const auto& id : ids)
      EXPECT_FALSE(Text(language, id).empty()) << language.file << " [" << language.section.language << "] " << id;
}

// English is the reference: it carries every text, also those whose IDs the
// code composes from a number.
TEST(LanguageFiles, EveryLanguageHasEveryEnglishText) {
  const auto languages = ShippedLanguages();
  TextTable english;
  for (const auto& language : languages) {
    if (language.section.language == "English") english.insert(language.section.texts.begin(), language.section.texts.end());
  }
  for (const auto& language : languages) {
    for (const auto& [id, text] : english) {
      if (text.empty()) continue;
      EXPECT_FALSE(Text(language, id).empty()) << language.file << " [" << language.section.language << "] " << id;
    }
  }
}

// Every language is a full translation: a text missing from one, or one that
// only it carries, is a slip in its file.
TEST(LanguageFiles, EnglishAndSpanishHoldTheSameIds) {
  std::map<std::string, std::set<std::string>> ids;
  for (const auto& language : ShippedLanguages())
    for (const auto& [id, text] : language.section.texts) ids[language.section.language].insert(id);
  ASSERT_TRUE(ids.contains("English"));
  ASSERT_TRUE(ids.contains("Español"));
  std::vector<std::string> only_english, only_spanish;
  std::ranges::set_difference(ids["English"], ids["Español"], std::back_inserter(only_english));
  std::ranges::set_difference(ids["Español"], ids["English"], std::back_inserter(only_spanish));
  EXPECT_EQ(only_english, std::vector<std::string>{}) << "only in English";
  EXPECT_EQ(only_spanish, std::vector<std::string>{}) << "only in Spanish";
}

// The library hands texts out in the system's ANSI code page; the shipped
// languages are Western ones, so each text must fit code page 1252.
bool FitsWindows1252(const std::string& utf8) {
  static const std::u32string kBeyondLatin1 =
      U"\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u017D"
      U"\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u017E\u0178";
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || i + length > utf8.size()) return false;
    char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    const bool latin1 = code < 0x80 || (code >= 0xA0 && code <= 0xFF);
    if (!latin1 && kBeyondLatin1.find(code) == std::u32string::npos) return false;
    i += length;
  }
  return true;
}

TEST(LanguageFiles, TextsFitTheWesternCodePage) {
  for (const auto& language : ShippedLanguages())
    for (const auto& [id, text] : language.section.texts)
      EXPECT_TRUE(FitsWindows1252(text)) << language.file << " " << id << ": " << text;
}

TEST(LanguageFiles, TextsFitTheLibrarysTextArea) {
  for (const auto& language : ShippedLanguages())
    for (const auto& [id, text] : language.section.texts) EXPECT_LE(text.size(), 255u) << language.file << " " << id;
}

// A scan stops when the button shows a start caption and ends its run when
// it shows a stop caption: the four must tell themselves apart.
TEST(LanguageFiles, TheFourScanCaptionsDiffer) {
  for (const auto& language : ShippedLanguages()) {
    const std::set<std::string> captions{
        Text(language, "HIVECARE_REGCLEANER_STRING_305"), Text(language, "HIVECARE_REGCLEANER_STRING_306"),
        Text(language, "HIVECARE_REGCLEANER_STRING_93"), Text(language, "HIVECARE_REGCLEANER_STRING_94")};
    EXPECT_EQ(captions.size(), 4u) << language.file << " [" << language.section.language << "]";
    EXPECT_EQ(captions.count(""), 0u) << language.file;
  }
}

// The exclusion dialog reports OK with one text and Cancel with another; the
// main window accepts only the two confirmation texts.
TEST(LanguageFiles, TheExclusionDialogsAnswersAreTold) {
  for (const auto& language : ShippedLanguages()) {
    const std::set<std::string> confirmations{Text(language, "HIVECARE_REGCLEANER_STRING_43"),
                                              Text(language, "HIVECARE_REGCLEANER_STRING_44")};
    const std::string where = language.file + " [" + language.section.language + "]";
    EXPECT_EQ(confirmations.count(Text(language, "HIVECARE_EXCLUDE_STRING_6")), 1u) << where;
    EXPECT_EQ(confirmations.count(Text(language, "HIVECARE_EXCLUDE_STRING_3")), 0u) << where;
  }
}

// The scan-area descriptions are joined and split again at ";".
TEST(LanguageFiles, TheEightAreaDescriptionsSplitBackIntoEight) {
  for (const auto& language : ShippedLanguages()) {
    std::string joined;
    for (int id = 98; id <= 105; ++id) joined += Text(language, "HIVECARE_REGCLEANER_STRING_" + std::to_string(id));
    const auto pieces = common::Split(joined, ';');
    ASSERT_EQ(pieces.size(), 8u) << language.file << " [" << language.section.language << "] " << joined;
    for (const auto& piece : pieces) EXPECT_FALSE(piece.empty()) << language.file;
  }
}

}  // namespace
