// The registry read routines every scanner reads the registry through.
// None of them reports an error: failures give 0, false or empty text.
#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace scan {

struct KeyCounts {
  std::uint32_t subkeys = 0;
  std::uint32_t values = 0;
};

struct ValueText {
  std::string name;        // up to its first NUL, trimmed of spaces
  std::string text;        // the data as text (see EnumValueText)
  std::uint32_t type = 0;  // 0 when the enumeration failed
};

class RegistryReader {
 public:
  explicit RegistryReader(platform::Registry& registry) : registry_(registry) {}

  // Opens with the scan access mask (0x2003F); 0 when the key cannot be opened.
  platform::KeyHandle OpenRegKey(platform::KeyHandle root, const std::string& path);
  void CloseRegKey(platform::KeyHandle key);
  KeyCounts QueryKeyCounts(platform::KeyHandle key);
  // Sub-key name at `index` up to its first NUL, trimmed of spaces; empty
  // when there is none or it cannot be read.
  std::string EnumSubKeyName(platform::KeyHandle key, std::uint32_t index);
  // Value at `index`: strings up to their first NUL (a multi-string gives its
  // first string), REG_DWORD as signed decimal, every other type empty.
  ValueText EnumValueText(platform::KeyHandle key, std::uint32_t index);
  // One named value as text, opened with the default access: strings and
  // REG_DWORD as above, REG_BINARY as upper-case hex bytes joined by spaces.
  std::string ReadValueText(platform::KeyHandle root, const std::string& path,
                            const std::string& name);
  // False only when opening fails with "not found" or "bad key".
  bool RegKeyExists(platform::KeyHandle root, const std::string& path);

  platform::Registry& registry() { return registry_; }

 private:
  platform::Registry& registry_;
};

// Renders value data as EnumValueText does ("" for types it does not render).
std::string ValueDataText(std::uint32_t type, const std::string& data);

}  // namespace scan
