// Opens the maker's web site in the user's browser through the Windows shell.
#pragma once

#include <windows.h>

#include <string>

#include "platform/message_boxes.h"

namespace platform {

// The maker's web site: a host name without a scheme, which the shell
// resolves itself.
inline constexpr char kMakerWebAddress[] = "www.hivecare.example";

// Hands `address` to the shell's "open" with `window` as owner and
// `working_folder` as the current folder. What the shell answers is not
// examined; only when the shell cannot be called at all does tidemark's
// fixed failure message show through `boxes`.
void OpenWebPage(HWND window, const std::string& address, const std::string& working_folder,
                 MessageBoxes& boxes);

}  // namespace platform
