#include "platform/win32/language_dialog.h"

#include <windows.h>

#include "platform/win32/program_folder.h"
#include "platform/win32/text_convert.h"

namespace platform {

// Loaded by its full path, like the text lookup's library, and kept loaded:
// once bound, the export stays bound for the life of the process.
int ShowLanguageDialog(const std::wstring& program_folder) {
  std::wstring path = program_folder.empty() ? Utf8ToWide(ProgramFolder()) : program_folder;
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  HMODULE library = LoadLibraryW((path + L"phrasebook.dll").c_str());
  if (library == nullptr) return 0;
  using ShowLangDlgFunction = short(__stdcall*)();
  const auto show_lang_dlg = reinterpret_cast<ShowLangDlgFunction>(GetProcAddress(library, "ShowLangDlg"));
  if (show_lang_dlg == nullptr) {
    FreeLibrary(library);
    return 0;
  }
  return show_lang_dlg();
}

}  // namespace platform
