// Opens the maker's web site in the user's browser through the Windows shell.
#pragma once

#include <windows.h>

#include <string>

#include "common/text_source.h"
#include "platform/message_boxes.h"

namespace platform {

// The maker's web site: a host name without a scheme, which the shell
// resolves itself.
inline constexpr char kMakerWebAddress[] = "www.hivecare.example";

// The message shown when the shell cannot be called at all.
struct WebPageFailure {
  std::string prompt;
  std::string title;
};

// tidemark's: fixed texts, never looked up.
WebPageFailure TidemarkWebPageFailure(const std::string& address);
// hivesafe's: "msgErrConnect", a space and the address; "msgBrowser" as title.
WebPageFailure HivesafeWebPageFailure(common::TextSource& texts, const std::string& address);

// Hands `address` to the shell's "open" with `window` as owner and
// `working_folder` as the current folder. What the shell answers is not
// examined; only when the shell cannot be called at all does `failure`
// show through `boxes`.
void OpenWebPage(HWND window, const std::string& address, const std::string& working_folder,
                 MessageBoxes& boxes, const WebPageFailure& failure);
// The same with tidemark's failure message.
void OpenWebPage(HWND window, const std::string& address, const std::string& working_folder,
                 MessageBoxes& boxes);

}  // namespace platform
