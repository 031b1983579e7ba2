// The font scanner: the data of every value under the font lists names a
// font file, usually by its bare name in the fonts folder. It yields only
// once per key, so a stop is seen when the next key's call begins.
#include <string>

#include "common/strings.h"
#include "scan/scan_engine.h"

namespace scan {

namespace {

constexpr int kCsidlFonts = 20;

// Fonts installed for one user (and every font under Wine) are listed by
// their full path; only a bare name is taken from the fonts folder.
std::string FontFileCandidate(const std::string& fonts_folder, const std::string& data) {
  if (common::Contains(data, ":\\")) return data;
  return addslash(fonts_folder) + data;
}

}  // namespace

void ScanEngine::ScanFontKey(std::uint32_t root, const std::string& path) {
  if (window_.ScanCaption() == texts_.GetText("HIVECARE_REGCLEANER_STRING_305")) return;
  window_.Yield();
  if (IsClassRegistrationKey(path)) return;

  const ScopedKey key{reader_, reader_.OpenRegKey(root, path)};
  if (key.key == 0) return;
  const KeyCounts counts = reader_.QueryKeyCounts(key.key);
  const std::string fonts_folder = check_.SpecialFolderPath(kCsidlFonts);

  for (std::uint32_t index = 0; index < counts.values; ++index) {
    const ValueText value = reader_.EnumValueText(key.key, index);
    if (!value.text.empty() && !check_.CheckValid(FontFileCandidate(fonts_folder, value.text))) {
      AddtoList(root, path, value.name, value.text, value.type, kept_.reason[11]);
    }
    if (ScanStopped()) break;
  }

  std::string parent = path;  // gains its "\" at the first named sub-key
  for (std::uint32_t index = 0; index < counts.subkeys; ++index) {
    const std::string name = reader_.EnumSubKeyName(key.key, index);
    if (!name.empty()) {
      if (!parent.empty()) parent = addslash(parent);
      ScanFontKey(root, parent + name);
    }
    if (ScanStopped()) break;
  }
}

}  // namespace scan
