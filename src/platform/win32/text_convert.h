// Text at the boundary to Windows: UTF-8 inside the suite, UTF-16 for the
// wide API, the ANSI code page for the files whose format is ANSI text.
// Embedded NULs are kept: registry data and multi-strings carry them.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// Into `out`, reusing its storage (for loops over many values).
void Utf8ToWide(std::string_view text, std::wstring* out);
void WideToUtf8(std::wstring_view text, std::string* out);

std::string AnsiToUtf8(std::string_view text);
std::string Utf8ToAnsi(std::string_view text);

}  // namespace platform
