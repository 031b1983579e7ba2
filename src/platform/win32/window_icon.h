// Gives a window the program's icon at both icon sizes.
#pragma once

#include <windows.h>

namespace platform {

// Loads the icon group `resource` of the program's own module at the big and
// at the small icon size and sets it on `window`; with `also_owner`, on the
// window's top-level owner first. Icons are shared: never destroyed.
void SetWindowIcon(HWND window, const wchar_t* resource, bool also_owner);

}  // namespace platform
