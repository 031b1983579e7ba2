#include "text_store.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "encoding.h"
#include "language_choice.h"
#include "language_file.h"
#include "library_module.h"

namespace phrasebook {
namespace {

// The text in CP_ACP, cut to the area's size where a whole character ends:
// a double-byte character or a surrogate pair is never split.
std::string AnsiText(std::string_view utf8) {
  const std::wstring wide = ToWide(CP_UTF8, utf8);
  std::string ansi = FromWide(CP_ACP, wide);
  if (ansi.size() <= kMaxTextBytes) return ansi;
  ansi.clear();
  for (std::size_t i = 0; i < wide.size();) {
    const std::size_t length = IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() ? 2 : 1;
    const std::string character = FromWide(CP_ACP, std::wstring_view(wide).substr(i, length));
    if (ansi.size() + character.size() > kMaxTextBytes) break;
    ansi += character;
    i += length;
  }
  return ansi;
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

// Every section of every language file beside the library, in the order
// the files sort and the sections stand.
std::vector<LanguageSection> SectionsBesideLibrary() {
  std::vector<LanguageSection> sections;
  for (const auto& file : LanguageFiles(LibraryFolder())) {
    for (auto& section : ParseLanguageFile(FileContent(file))) sections.push_back(std::move(section));
  }
  return sections;
}

TextTable LoadTexts() {
  std::vector<LanguageSection> sections = SectionsBesideLibrary();
  const std::string language = ChosenLanguage(StoredLanguage(), LanguageNames(sections));
  TextTable texts = TextsOf(std::move(sections), language);
  for (auto& [id, text] : texts) text = AnsiText(text);
  return texts;
}

std::optional<TextTable>& LoadedTexts() {
  static std::optional<TextTable> texts;
  return texts;
}

}  // namespace

std::vector<std::string> LanguagesOnOffer() { return LanguageNames(SectionsBesideLibrary()); }

std::string CurrentLanguage() { return ChosenLanguage(StoredLanguage(), LanguagesOnOffer()); }

const std::unordered_map<std::string, std::string>& CurrentTexts() {
  auto& texts = LoadedTexts();
  if (!texts) texts = LoadTexts();
  return *texts;
}

void ForgetTexts() { LoadedTexts().reset(); }

}  // namespace phrasebook
