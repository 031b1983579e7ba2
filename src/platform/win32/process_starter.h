// Starts another program of the suite by its full path.
#pragma once

#include <string>

namespace platform {

// Starts the program file at `path` (UTF-8) with no arguments, shown
// normally, without waiting for it. The path is the application name, so a
// space in a folder's name can never split it. False when it cannot start.
bool StartProgram(const std::string& path);

}  // namespace platform
