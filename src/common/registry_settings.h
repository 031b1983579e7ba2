// Reading and writing the suite's settings: REG_SZ values in one key.
#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace common {

// tidemark's settings key below HKEY_CURRENT_USER.
inline constexpr char kSettingsKey[] =
    "Software\\Brightwell\\Zodazado Reveruz\\" "Zodazado Reveruz";

// The stored REG_SZ text (cut at its first NUL, nothing trimmed), or
// `fallback` when the key or value is missing or the value is not REG_SZ.
std::string GetRegString(platform::Registry& registry, std::uint32_t root, const std::string& path,
                         const std::string& name, const std::string& fallback);
// Creates the key when needed and stores `text` as REG_SZ without a
// terminating zero. Failures are ignored.
void SaveRegString(platform::Registry& registry, std::uint32_t root, const std::string& path,
                   const std::string& name, const std::string& text);

}  // namespace common
