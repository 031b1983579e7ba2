// The folder of the running program, where its clip and its language
// library are: UTF-8, no trailing backslash.
#pragma once

#include <string>

namespace platform {

std::string ProgramFolder();

}  // namespace platform
