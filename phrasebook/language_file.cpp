#include "language_file.h"

#include <algorithm>

namespace phrasebook {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// Calls `on_line` for every line of `content`, without its line end.
template <typename OnLine>
void ForEachLine(std::string_view content, OnLine on_line) {
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
  while (!content.empty()) {
    const auto end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    on_line(line);
    if (end == std::string_view::npos) break;
    content.remove_prefix(end + 1);
  }
}

}  // namespace

std::string UnescapeText(std::string_view raw) {
  std::string text;
  text.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const bool escape = raw[i] == '\\' && i + 1 < raw.size() && (raw[i + 1] == 'n' || raw[i + 1] == '\\');
    if (!escape) {
      text += raw[i];
      continue;
    }
    text += raw[i + 1] == 'n' ? '\n' : '\\';
    ++i;
  }
  return text;
}

std::vector<LanguageSection> ParseLanguageFile(std::string_view content) {
  std::vector<LanguageSection> sections;
  ForEachLine(content, [&sections](std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';') return;
    if (trimmed.front() == '[' && trimmed.back() == ']') {
      sections.push_back({std::string(TrimBlanks(trimmed.substr(1, trimmed.size() - 2))), {}});
      return;
    }
    const auto equals = line.find('=');
    if (sections.empty() || equals == std::string_view::npos) return;
    const std::string_view id = TrimBlanks(line.substr(0, equals));
    if (id.empty()) return;
    sections.back().texts[std::string(id)] = UnescapeText(line.substr(equals + 1));
  });
  return sections;
}

TextTable TextsOf(std::vector<LanguageSection> sections, std::string_view language) {
  TextTable table;
  for (LanguageSection& section : sections) {
    if (section.language != language) continue;
    for (auto& [id, text] : section.texts) table[id] = std::move(text);
  }
  return table;
}

std::vector<std::string> LanguageNames(const std::vector<LanguageSection>& sections) {
  std::vector<std::string> names;
  for (const LanguageSection& section : sections)
    if (std::ranges::find(names, section.language) == names.end()) names.push_back(section.language);
  return names;
}

std::string ChosenLanguage(std::string_view stored, const std::vector<std::string>& offered) {
  const bool on_offer = !stored.empty() && std::ranges::find(offered, stored) != offered.end();
  return std::string(on_offer ? stored : kDefaultLanguage);
}

}  // namespace phrasebook
