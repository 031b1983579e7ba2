#include "text_store.h"

#include <windows.h>

#include <algorithm>
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

// The folder of this library, with a trailing backslash: the language
// files travel with the library, whatever the current directory is.
std::wstring LibraryFolder() {
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
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

bool HasLanguageExtension(std::wstring_view name) {
  return name.size() > 4 && CompareStringOrdinal(name.data() + name.size() - 4, 4, L".lng", 4, TRUE) == CSTR_EQUAL;
}

// The "*.lng" files of `folder`, full paths in name order. The pattern also
// matches longer extensions through their short names: those are left out.
std::vector<std::wstring> LanguageFiles(const std::wstring& folder) {
  std::vector<std::wstring> files;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"*.lng").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HasLanguageExtension(found.cFileName))
      files.push_back(folder + found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(files.begin(), files.end());
  return files;
}

std::string FileContent(const std::wstring& file) {
  std::string content;
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return content;
  LARGE_INTEGER size{};
  DWORD read = 0;
  if (GetFileSizeEx(handle, &size) && size.QuadPart < (1 << 24)) {
    content.resize(static_cast<std::size_t>(size.QuadPart));
    if (!ReadFile(handle, content.data(), static_cast<DWORD>(content.size()), &read, nullptr)) read = 0;
    content.resize(read);
  }
  CloseHandle(handle);
  return content;
}

std::unordered_map<std::string, std::string> LoadTexts(const std::string& language) {
  TextTable texts;
  for (const auto& file : LanguageFiles(LibraryFolder())) AddLanguageTexts(FileContent(file), language, texts);
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
