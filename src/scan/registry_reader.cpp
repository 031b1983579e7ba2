// The registry read routines. Every failure reads as 0, false or "".
#include <cstdint>
#include <cstdio>
#include <string>

#include "common/strings.h"
#include "scan/registry_reader.h"

namespace scan {

namespace {

bool IsStringType(std::uint32_t type) {
  return type == platform::kRegSz || type == platform::kRegExpandSz ||
         type == platform::kRegMultiSz;
}

// Two upper-case hex digits per byte, one space between bytes.
std::string HexBytes(const std::string& data) {
  std::string text;
  text.reserve(data.size() * 3);
  char digits[3];
  for (const char byte : data) {
    if (!text.empty()) text += ' ';
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(byte));
    text += digits;
  }
  return text;
}

}  // namespace

std::string ValueDataText(std::uint32_t type, const std::string& data) {
  if (IsStringType(type)) return common::CutAtNul(data);
  if (type != platform::kRegDword || data.size() > 4) return {};
  // Read into a zeroed 32-bit integer: shorter data leaves the high bytes 0.
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < data.size(); ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
  }
  return std::to_string(static_cast<std::int32_t>(value));
}

platform::KeyHandle RegistryReader::OpenRegKey(platform::KeyHandle root,
                                               const std::string& path) {
  platform::KeyHandle key = 0;
  if (registry_.Open(root, path, platform::kScanAccess, &key) != platform::kOk) return 0;
  return key;
}

void RegistryReader::CloseRegKey(platform::KeyHandle key) {
  if (key != 0) registry_.Close(key);
}

KeyCounts RegistryReader::QueryKeyCounts(platform::KeyHandle key) {
  KeyCounts counts;
  if (registry_.QueryCounts(key, &counts.subkeys, &counts.values) != platform::kOk) return {};
  return counts;
}

// Cut at NUL and trimmed here once, so callers take the name as it is.
std::string RegistryReader::EnumSubKeyName(platform::KeyHandle key, std::uint32_t index) {
  std::string name;
  if (registry_.EnumKey(key, index, &name) != platform::kOk) return {};
  return common::Trim(common::CutAtNul(name));
}

ValueText RegistryReader::EnumValueText(platform::KeyHandle key, std::uint32_t index) {
  platform::RegValue value;
  if (registry_.EnumValue(key, index, &value) != platform::kOk) return {};
  ValueText result;
  result.name = common::Trim(common::CutAtNul(value.name));
  result.type = value.type;
  if (result.name == value.name) {
    // Reading it again by the same name would give the same data.
    result.text = ValueDataText(value.type, value.data);
    return result;
  }
  // The data is read again by the trimmed name, which is another value or
  // none, into a buffer sized for the enumerated data.
  std::uint32_t type = 0;
  std::string data;
  if (registry_.QueryValue(key, result.name, &type, &data) != platform::kOk) return result;
  if (IsStringType(value.type) && data.size() > value.data.size()) return result;
  result.text = ValueDataText(value.type, data);
  return result;
}

std::string RegistryReader::ReadValueText(platform::KeyHandle root, const std::string& path,
                                          const std::string& name) {
  platform::KeyHandle key = 0;
  if (registry_.Open(root, path, platform::kDefaultAccess, &key) != platform::kOk) return {};
  std::uint32_t type = 0;
  std::string data;
  std::string text;
  if (registry_.QueryValue(key, name, &type, &data) == platform::kOk) {
    text = type == platform::kRegBinary ? HexBytes(data) : ValueDataText(type, data);
  }
  registry_.Close(key);
  return text;
}

bool RegistryReader::RegKeyExists(platform::KeyHandle root, const std::string& path) {
  platform::KeyHandle key = 0;
  const long status = registry_.Open(root, path, platform::kDefaultAccess, &key);
  if (status == platform::kOk) registry_.Close(key);
  return status != platform::kNotFound && status != platform::kBadKey;
}

}  // namespace scan
