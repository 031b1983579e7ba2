#include "encoding.h"

#include <windows.h>

namespace phrasebook {

std::wstring ToWide(unsigned code_page, std::string_view text) {
  const int size = static_cast<int>(text.size());
  std::wstring wide(MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string FromWide(unsigned code_page, std::wstring_view text) {
  const int size = static_cast<int>(text.size());
  std::string bytes(WideCharToMultiByte(code_page, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
  return bytes;
}

}  // namespace phrasebook
