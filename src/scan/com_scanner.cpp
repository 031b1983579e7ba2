// The COM registration scanner: classes, type libraries and interfaces
// under HKEY_LOCAL_MACHINE, judged by rules that know the shape of a
// registration. The first rule whose condition holds decides a value alone.
#include <string>

#include "common/strings.h"
#include "scan/scan_engine.h"

namespace scan {

namespace {

constexpr int kNoRecord = -1;

// The key's own name, upper case: the registration part a value belongs to.
std::string LastKeyName(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  return common::UpperAscii(slash == std::string::npos ? path : path.substr(slash + 1));
}

}  // namespace

int ScanEngine::ComRuleEntry(const std::string& path, const ValueText& value) {
  const std::string& data = value.text;
  if (common::Contains(data, ":\\")) return IsBrokenDriveReference(path, value) ? 0 : kNoRecord;

  const std::string last = LastKeyName(path);
  const std::string name = common::UpperAscii(value.name);
  const bool empty = data.empty();
  const bool unnamed = value.name.empty();
  const bool braced = !empty && data[0] == '{';
  // A reference rule records its entry only when the target is missing
  // under HKEY_CLASSES_ROOT.
  const auto unless_registered = [&](const std::string& target, int entry) {
    return reader_.RegKeyExists(platform::kClassesRoot, target) ? kNoRecord : entry;
  };

  if (empty && last == "TYPELIB") return 1;
  if (!empty && unnamed && last == "TYPELIB" && braced) {
    return unless_registered("TYPELIB\\" + data, 2);
  }
  if (empty && unnamed && last == "CLSID") return 3;
  if (!empty && unnamed && last == "CLSID" && braced) return unless_registered("CLSID\\" + data, 4);
  if (empty && unnamed && (last == "PROGID" || last == "VERSIONINDEPENDENTPROGID")) return 5;
  if (!empty && unnamed && last == "PROGID") return unless_registered(data, 6);
  if (empty && unnamed && last == "INPROCSERVER32") return 7;
  if (empty && unnamed && last == "INPROCSERVER") return 8;
  if (empty && name == "CLSID") return 3;
  if (!empty && name == "TYPELIB") return unless_registered("TYPELIB\\" + data, 2);
  if (!empty && name == "PROGID") return unless_registered(data, 6);
  if (empty && name == "INPROCSERVER32") return 7;
  if (empty && name == "INPROCSERVER") return 8;
  return kNoRecord;
}

void ScanEngine::ScanComKey(std::uint32_t root, const std::string& path) {
  if (window_.ScanCaption() == texts_.GetText("HIVECARE_REGCLEANER_STRING_305")) return;

  const ScopedKey key{reader_, reader_.OpenRegKey(root, path)};
  const KeyCounts counts = key.key != 0 ? reader_.QueryKeyCounts(key.key) : KeyCounts{};

  for (std::uint32_t index = 0; index < counts.values; ++index) {
    const ValueText value = reader_.EnumValueText(key.key, index);
    const int entry = ComRuleEntry(path, value);
    if (entry != kNoRecord) {
      AddtoList(root, path, value.name, value.text, value.type, kept_.reason[entry]);
    }
    window_.Yield();
    if (ScanStopped()) return;
  }

  ScanSubKeysUnlessExcluded(root, path, key.key, counts.subkeys, &ScanEngine::ScanComKey);
}

}  // namespace scan
