// Everything below a registry key as one line per key and per value, read
// through the interface, so a test can compare a whole tree before and after.
#pragma once

#include <set>
#include <string>

#include "platform/registry.h"

namespace fakes {

inline void DumpKey(platform::Registry& registry, platform::KeyHandle parent,
                    const std::string& path, std::set<std::string>* lines) {
  platform::KeyHandle key = 0;
  if (registry.Open(parent, path, platform::kKeyRead, &key) != platform::kOk) return;
  lines->insert(path + "\\");
  platform::RegValue value;
  for (std::uint32_t index = 0; registry.EnumValue(key, index, &value) == platform::kOk; ++index) {
    lines->insert(path + "::" + value.name + "=" + std::to_string(value.type) + ":" + value.data);
  }
  std::string name;
  for (std::uint32_t index = 0; registry.EnumKey(key, index, &name) == platform::kOk; ++index) {
    DumpKey(registry, parent, path.empty() ? name : path + "\\" + name, lines);
  }
  registry.Close(key);
}

inline std::set<std::string> DumpTree(platform::Registry& registry, platform::KeyHandle root,
                                      const std::string& path) {
  std::set<std::string> lines;
  DumpKey(registry, root, path, &lines);
  return lines;
}

}  // namespace fakes
