#include "text_store.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "language_file.h"

namespace phrasebook {
namespace {

std::wstring WideFromUtf8(std::string_view text) {
  const int size = static_cast<int>(text.size());
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string AnsiFromWide(std::wstring_view wide) {
  const int size = static_cast<int>(wide.size());
  std::string ansi(WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr);
  return ansi;
}

// The text in CP_ACP, cut to the area's size where a whole character ends:
// a double-byte character or a surrogate pair is never split.
std::string AnsiText(std::string_view utf8) {
  const std::wstring wide = WideFromUtf8(utf8);
  std::string ansi = AnsiFromWide(wide);
  if (ansi.size() <= kMaxTextBytes) return ansi;
  ansi.clear();
  for (std::size_t i = 0; i < wide.size();) {
    const std::size_t length = IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() ? 2 : 1;
    const std::string character = AnsiFromWide(std::wstring_view(wide).substr(i, length));
    if (ansi.size() + character.size() > kMaxTextBytes) break;
    ansi += character;
    i += length;
  }
  return ansi;
}

std::filesystem::path LibraryFolder() {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&LibraryFolder), &self);
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::filesystem::path(path).parent_path();
}

std::vector<std::filesystem::path> LanguageFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::error_code type_error;
    if (entry.is_regular_file(type_error) && entry.path().extension() == L".lng") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::unordered_map<std::string, std::string> LoadTexts(const std::string& language) {
  TextTable texts;
  for (const auto& file : LanguageFiles(LibraryFolder())) AddLanguageTexts(ReadFile(file), language, texts);
  for (auto& [id, text] : texts) text = AnsiText(text);
  return texts;
}

}  // namespace

std::string CurrentLanguage() {
  // The language choice dialog comes later; until then every lookup is English.
  return "English";
}

const std::unordered_map<std::string, std::string>& CurrentTexts() {
  static const auto texts = LoadTexts(CurrentLanguage());
  return texts;
}

}  // namespace phrasebook
