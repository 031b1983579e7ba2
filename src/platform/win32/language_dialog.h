// The language choice of the language library, for the language changer.
#pragma once

#include <string>

namespace platform {

// Shows the language choice dialog of the phrasebook.dll in `program_folder`
// (empty: the folder of the running executable), loaded by its full path.
// Returns ShowLangDlg's result widened: 1 when the user chose a language and
// confirmed it; 0 when the library or its ShowLangDlg export is missing.
int ShowLanguageDialog(const std::wstring& program_folder = {});

}  // namespace platform
