#include "common/registry_settings.h"

#include "common/strings.h"

namespace common {

std::string GetRegString(platform::Registry& registry, std::uint32_t root, const std::string& path,
                         const std::string& name, const std::string& fallback) {
  platform::KeyHandle key = 0;
  if (registry.Open(root, path, platform::kDefaultAccess, &key) != platform::kOk) return fallback;
  std::uint32_t type = platform::kRegNone;
  std::string data;
  const long status = registry.QueryValue(key, name, &type, &data);
  registry.Close(key);
  // Only text counts; a value of another type reads as never stored.
  if (status != platform::kOk || type != platform::kRegSz) return fallback;
  return CutAtNul(data);
}

void SaveRegString(platform::Registry& registry, std::uint32_t root, const std::string& path,
                   const std::string& name, const std::string& text) {
  platform::KeyHandle key = 0;
  if (registry.Create(root, path, &key) != platform::kOk) return;
  registry.SetValue(key, name, platform::kRegSz, text);
  registry.Close(key);
}

}  // namespace common
