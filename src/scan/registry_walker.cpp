// The general scanner: every value below a key, depth first, judged by the
// file reference check; and what the other scanners share with it: the
// classes guard, the drive-reference test, the sub-key loop, the exclusion match.
#include <string>

#include "common/strings.h"
#include "scan/scan_engine.h"

namespace scan {

// Class registrations belong to the COM and file association scanners.
bool ScanEngine::IsClassRegistrationKey(const std::string& path) {
  const std::string upper = common::UpperAscii(path);
  return common::Contains(upper, "SOFTWARE\\CLASSES") || upper == "INTERFACE" ||
         upper == "TYPELIB" || upper == "CLSID";
}

bool ScanEngine::IsBrokenDriveReference(const std::string& path, const ValueText& value) {
  const std::size_t drive = value.text.find(":\\");
  if (drive == std::string::npos) return false;
  // Drives beyond P: are not judged; a text that begins with ":\" has no
  // letter to test and goes on to the file check.
  if (drive > 0) {
    const char letter = common::UpperAscii(value.text.substr(drive - 1, 1))[0];
    if (letter < 'A' || letter > 'P') return false;
  }
  return !check_.CheckValid(value.text) &&
         !InExcludeList(path + "::" + value.name + " :: " + value.text);
}

void ScanEngine::ScanSubKeysUnlessExcluded(
    std::uint32_t root, const std::string& path, platform::KeyHandle key, std::uint32_t subkeys,
    void (ScanEngine::*scanner)(std::uint32_t, const std::string&)) {
  std::string parent = path;  // gains its "\" at the first named sub-key
  for (std::uint32_t index = 0; index < subkeys; ++index) {
    const std::string name = reader_.EnumSubKeyName(key, index);
    if (!name.empty()) {
      if (!parent.empty()) parent = addslash(parent);
      if (!InExcludeList(parent + name)) (this->*scanner)(root, parent + name);
    }
    window_.Yield();
    if (ScanStopped()) return;
  }
}

bool ScanEngine::InExcludeList(const std::string& strkey) {
  const auto& rules = window_.ExcludeRules();
  if (rules.empty()) return false;
  if (!must_begin_text_) must_begin_text_ = texts_.GetText("HIVECARE_REGCLEANER_STRING_46");
  for (const ExcludeRule& rule : rules) {
    if (!rule.enabled) continue;
    // A column written in another language reads as the option being off.
    const bool covered = rule.must_begin == *must_begin_text_
                             ? strkey.starts_with(rule.text)
                             : common::Contains(strkey, rule.text);
    if (covered) return true;
  }
  return false;
}

void ScanEngine::WalkKey(std::uint32_t root, const std::string& path) {
  if (window_.ScanCaption() == texts_.GetText("HIVECARE_REGCLEANER_STRING_305")) return;
  if (IsClassRegistrationKey(path)) return;

  const ScopedKey key{reader_, reader_.OpenRegKey(root, path)};
  const KeyCounts counts = key.key != 0 ? reader_.QueryKeyCounts(key.key) : KeyCounts{};

  for (std::uint32_t index = 0; index < counts.values; ++index) {
    const ValueText value = reader_.EnumValueText(key.key, index);
    if (IsBrokenDriveReference(path, value)) {
      AddtoList(root, path, value.name, value.text, value.type, kept_.reason[0]);
    }
    window_.Yield();
    if (ScanStopped()) return;
  }
  ScanSubKeysUnlessExcluded(root, path, key.key, counts.subkeys, &ScanEngine::WalkKey);
}

}  // namespace scan
