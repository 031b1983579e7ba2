// The general scanner: every value below a key, depth first, judged by the
// file reference check; and the exclusion match every scanner shares.
#include <string>

#include "common/strings.h"
#include "scan/scan_engine.h"

namespace scan {

namespace {

// Closes the key of one walk level on whichever path the level leaves by.
class KeyCloser {
 public:
  KeyCloser(RegistryReader& reader, platform::KeyHandle key) : reader_(reader), key_(key) {}
  ~KeyCloser() { reader_.CloseRegKey(key_); }
  KeyCloser(const KeyCloser&) = delete;
  KeyCloser& operator=(const KeyCloser&) = delete;

 private:
  RegistryReader& reader_;
  platform::KeyHandle key_;
};

// Class registrations belong to the COM and file association scanners.
bool IsClassesKey(const std::string& path) {
  const std::string upper = common::UpperAscii(path);
  return common::Contains(upper, "SOFTWARE\\CLASSES") || upper == "INTERFACE" ||
         upper == "TYPELIB" || upper == "CLSID";
}

// Only references to drives A: to P: are judged; a text that starts with
// ":\" has no drive letter and is judged as well.
bool OnJudgedDrive(const std::string& text, std::size_t drive) {
  if (drive == 0) return true;
  const char letter = common::UpperAscii(std::string(1, text[drive - 1]))[0];
  return letter >= 'A' && letter <= 'P';
}

}  // namespace

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
  if (IsClassesKey(path)) return;

  const platform::KeyHandle key = reader_.OpenRegKey(root, path);
  const KeyCloser closer(reader_, key);
  const KeyCounts counts = key != 0 ? reader_.QueryKeyCounts(key) : KeyCounts{};

  for (std::uint32_t index = 0; index < counts.values; ++index) {
    const ValueText value = reader_.EnumValueText(key, index);
    const std::size_t drive = value.text.find(":\\");
    if (drive != std::string::npos && OnJudgedDrive(value.text, drive) &&
        !check_.CheckValid(value.text) &&
        !InExcludeList(path + "::" + value.name + " :: " + value.text)) {
      AddtoList(root, path, value.name, value.text, value.type, kept_.reason[0]);
    }
    window_.Yield();
    if (ScanStopped()) return;
  }

  std::string parent = path;  // gains its "\" at the first named sub-key
  for (std::uint32_t index = 0; index < counts.subkeys; ++index) {
    const std::string name = reader_.EnumSubKeyName(key, index);
    if (!name.empty()) {
      if (!parent.empty()) parent = addslash(parent);
      const std::string child = parent + name;
      if (!InExcludeList(child)) WalkKey(root, child);
    }
    window_.Yield();
    if (ScanStopped()) return;
  }
}

}  // namespace scan
