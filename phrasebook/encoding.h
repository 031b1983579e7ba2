// Text between the library's byte code pages (UTF-8 in its files, the
// system's ANSI code page towards the programs) and the wide Windows API.
#pragma once

#include <string>
#include <string_view>

namespace phrasebook {

std::wstring ToWide(unsigned code_page, std::string_view text);
std::string FromWide(unsigned code_page, std::wstring_view text);

}  // namespace phrasebook
