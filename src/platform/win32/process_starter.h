// Starts other programs by their full path.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// Starts the program file `application` (UTF-8) with `command_line` (the
// whole line, the quoted program path first) and its window shown as `show`
// (an SW_ value), without waiting. The path is the application name, so a
// space in a folder's name can never split it. Returns the process handle,
// which the caller closes, or null when it cannot start.
HANDLE StartProcess(const std::string& application, const std::string& command_line, WORD show);

// Starts the program file at `path` (UTF-8) with no arguments, shown
// normally, without waiting for it. False when it cannot start.
bool StartProgram(const std::string& path);

}  // namespace platform
