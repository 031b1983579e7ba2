// The file association scanner: the extension keys directly under
// HKEY_CLASSES_ROOT that name a file type, and everything below them, for
// values that name a missing file.
#include <string>

#include "common/strings.h"
#include "scan/scan_engine.h"

namespace scan {

void ScanEngine::ScanFileTypes(std::uint32_t root, const std::string& path) {
  if (window_.ScanCaption() == texts_.GetText("HIVECARE_REGCLEANER_STRING_305")) return;
  if (IsClassRegistrationKey(path)) return;

  const ScopedKey key{reader_, reader_.OpenRegKey(root, path)};
  const std::uint32_t subkeys = key.key != 0 ? reader_.QueryKeyCounts(key.key).subkeys : 0;

  for (std::uint32_t index = 0; index < subkeys; ++index) {
    const std::string extension = reader_.EnumSubKeyName(key.key, index);
    // An extension without a file type behind it has nothing to check.
    if (extension.starts_with('.') && !reader_.ReadValueText(root, extension, "").empty()) {
      ScanExtensionKey(root, extension);
    }
    window_.Yield();
    if (ScanStopped()) return;
  }
}

void ScanEngine::ScanExtensionKey(std::uint32_t root, const std::string& path) {
  if (window_.ScanCaption() == texts_.GetText("HIVECARE_REGCLEANER_STRING_305")) return;
  if (IsClassRegistrationKey(path)) return;

  const ScopedKey key{reader_, reader_.OpenRegKey(root, path)};
  if (key.key == 0) return;
  const KeyCounts counts = reader_.QueryKeyCounts(key.key);
  if (!common::Contains(path, "\\") && counts.values == 0 && counts.subkeys == 0) {
    AddtoList(root, path, "", "", platform::kRegSz, kept_.reason[12]);
    return;
  }

  for (std::uint32_t index = 0; index < counts.values; ++index) {
    const ValueText value = reader_.EnumValueText(key.key, index);
    window_.SetStatusPanel(2, path + " : " + value.name);
    if (IsBrokenDriveReference(path, value)) {
      AddtoList(root, path, value.name, value.text, value.type, kept_.reason[0]);
    }
    window_.Yield();
    if (ScanStopped()) return;
  }

  ScanSubKeysUnlessExcluded(root, path, key.key, counts.subkeys, &ScanEngine::ScanExtensionKey);
}

}  // namespace scan
