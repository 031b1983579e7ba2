#include "platform/win32/phrasebook_texts.h"

#include <array>
#include <cstring>

#include "platform/win32/program_folder.h"
#include "platform/win32/text_convert.h"

namespace platform {
namespace {

constexpr std::size_t kTextArea = 255;

// The folder as GetCurrentDirectoryW reports it: no trailing backslash,
// except that a drive's root keeps its own.
std::wstring CurrentDirectoryForm(std::wstring folder) {
  while (folder.size() > 1 && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
  return folder;
}

}  // namespace

PhrasebookTexts::PhrasebookTexts(std::wstring program_folder)
    : program_folder_(CurrentDirectoryForm(program_folder.empty() ? Utf8ToWide(ProgramFolder()) : std::move(program_folder))) {}

// A scan looks up two texts per registry value, and under Wine changing the
// directory costs far more than asking for it: change it only when needed.
void PhrasebookTexts::EnterProgramFolder() const {
  std::array<wchar_t, MAX_PATH + 1> current{};
  const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data());
  const std::wstring_view now(current.data(), length < current.size() ? length : 0);
  const bool already = CompareStringOrdinal(now.data(), static_cast<int>(now.size()), program_folder_.c_str(),
                                            static_cast<int>(program_folder_.size()), TRUE) == CSTR_EQUAL;
  if (!already) SetCurrentDirectoryW(program_folder_.c_str());
}

// Loaded by its full path, never through the DLL search path, so that no
// other library of that name can stand in for it.
PhrasebookTexts::GetValueForIdFunction PhrasebookTexts::Lookup() {
  if (get_value_for_id_ != nullptr) return get_value_for_id_;
  std::wstring path = program_folder_;
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  HMODULE library = LoadLibraryW((path + L"phrasebook.dll").c_str());
  if (library == nullptr) return nullptr;
  get_value_for_id_ = reinterpret_cast<GetValueForIdFunction>(GetProcAddress(library, "GetValueForID"));
  if (get_value_for_id_ == nullptr) FreeLibrary(library);
  return get_value_for_id_;
}

std::string PhrasebookTexts::GetText(std::string_view id) {
  EnterProgramFolder();
  std::array<char, kTextArea + 1> area{};
  const auto get_value_for_id = Lookup();
  if (get_value_for_id == nullptr) return {};
  // Text IDs are ASCII, the same in UTF-8 and in the ANSI code page.
  get_value_for_id(std::string(id).c_str(), area.data(), 0);
  area[kTextArea] = '\0';
  return AnsiToUtf8(std::string_view(area.data(), std::strlen(area.data())));
}

}  // namespace platform
