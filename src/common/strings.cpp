#include "common/strings.h"

namespace common {

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string CutAtNul(std::string_view text) {
  return std::string(text.substr(0, text.find('\0')));
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (auto hit = text.find(from); hit != std::string_view::npos; hit = text.find(from, start)) {
    out.append(text.substr(start, hit - start)).append(to);
    start = hit + from.size();
  }
  out.append(text.substr(start));
  return out;
}

std::string Before(std::string_view text, std::string_view separator) {
  return std::string(text.substr(0, text.find(separator)));
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (auto hit = text.find(separator); hit != std::string_view::npos;
       hit = text.find(separator, start)) {
    pieces.emplace_back(text.substr(start, hit - start));
    start = hit + 1;
  }
  pieces.emplace_back(text.substr(start));
  return pieces;
}

}  // namespace common
