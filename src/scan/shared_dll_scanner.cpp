// The shared DLL scanner: the name of every value under SharedDlls is the
// full path of a shared file; the data (a use count) is only shown. The
// exclusion list takes no part here.
#include <string>

#include "scan/scan_engine.h"

namespace scan {

void ScanEngine::ScanSharedDlls(std::uint32_t root, const std::string& path) {
  if (window_.ScanCaption() == texts_.GetText("HIVECARE_REGCLEANER_STRING_305")) return;

  const ScopedKey key{reader_, reader_.OpenRegKey(root, path)};
  const KeyCounts counts = key.key != 0 ? reader_.QueryKeyCounts(key.key) : KeyCounts{};

  for (std::uint32_t index = 0; index < counts.values; ++index) {
    const ValueText value = reader_.EnumValueText(key.key, index);
    // The reader gives the name cut at its NUL and trimmed: a name of
    // blanks reads as the default value's, which names no file.
    if (!value.name.empty() && !check_.CheckValid(value.name)) {
      AddtoList(root, path, value.name, value.text, value.type, kept_.reason[10]);
    }
    window_.Yield();
    if (ScanStopped()) return;
  }

  std::string parent = path;  // gains its "\" at the first named sub-key
  for (std::uint32_t index = 0; index < counts.subkeys; ++index) {
    const std::string name = reader_.EnumSubKeyName(key.key, index);
    window_.SetStatusPanel(2, parent + " : " + name);
    if (!name.empty()) {
      if (!parent.empty()) parent = addslash(parent);
      ScanSharedDlls(root, parent + name);
    }
    window_.Yield();
    if (ScanStopped()) return;
  }
}

}  // namespace scan
