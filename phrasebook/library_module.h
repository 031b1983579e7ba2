// The library's own module: its dialog resource and the folder its
// language files travel with.
#pragma once

#include <windows.h>

#include <string>

namespace phrasebook {

HMODULE LibraryModule();

// The folder of this library, with a trailing backslash.
std::wstring LibraryFolder();

}  // namespace phrasebook
