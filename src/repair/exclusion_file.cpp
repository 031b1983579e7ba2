#include "repair/exclusion_file.h"

#include <charconv>

#include "common/strings.h"

namespace repair {

namespace {

constexpr char kSeparator[] = ";;";

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t at; (at = line.find(kSeparator, start)) != std::string::npos; start = at + 2) {
    fields.push_back(line.substr(start, at - start));
  }
  fields.push_back(line.substr(start));
  return fields;
}

// "True"/"False" in any case; a number ticks unless it is 0; anything else
// leaves the rule not enabled.
bool ReadsEnabled(const std::string& field) {
  const std::string word = common::UpperAscii(common::Trim(field));
  if (word == "TRUE") return true;
  if (word == "FALSE") return false;
  double number = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
  return error == std::errc() && end == word.data() + word.size() && number != 0;
}

}  // namespace

std::vector<std::string> ExcludeFileLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

scan::ExcludeRule ParseExcludeLine(const std::string& line) {
  const std::vector<std::string> fields = SplitFields(line);
  scan::ExcludeRule rule;
  rule.text = fields[0];
  rule.must_begin = fields.size() > 1 ? fields[1] : "";
  rule.enabled = fields.size() > 2 && ReadsEnabled(fields[2]);
  return rule;
}

std::vector<scan::ExcludeRule> ParseExcludeFile(const std::string& text) {
  std::vector<scan::ExcludeRule> rules;
  for (const std::string& line : ExcludeFileLines(text)) {
    if (!line.empty()) rules.push_back(ParseExcludeLine(line));
  }
  return rules;
}

std::string FormatExcludeFile(const std::vector<scan::ExcludeRule>& rules) {
  std::string text;
  for (const scan::ExcludeRule& rule : rules) {
    text += rule.text + kSeparator + rule.must_begin + kSeparator +
            (rule.enabled ? "True" : "False") + "\r\n";
  }
  return text;
}

}  // namespace repair
