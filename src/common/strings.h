// Small text helpers shared by the logic.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace common {

// Removes spaces (only ' ') at both ends.
std::string Trim(std::string_view text);
// The text up to, not including, its first NUL; all of it when it has none.
std::string CutAtNul(std::string_view text);
// ASCII upper case; other bytes unchanged.
std::string UpperAscii(std::string_view text);
// Replaces every occurrence of `from` (not empty) with `to`, left to right.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
// What stands before the first `separator`; all of the text when it has none.
std::string Before(std::string_view text, std::string_view separator);
bool Contains(std::string_view text, std::string_view part);
// Splits at every `separator`; an empty text gives one empty piece.
std::vector<std::string> Split(std::string_view text, char separator);

}  // namespace common
