// The scan engine: the scan run started by the scan button, the area
// dispatch, the registry walker, the exclusion match and the problem record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/text_source.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "scan/file_reference_check.h"
#include "scan/kept_texts.h"
#include "scan/registry_reader.h"
#include "scan/scan_window.h"

namespace scan {

class ScanEngine {
 public:
  ScanEngine(platform::Registry& registry, platform::FileSystem& files,
             common::TextSource& texts, ScanWindow& window, const KeptTexts& kept);

  // A press on the scan button (or the scan-now link): starts a scan when the
  // button shows a start caption, otherwise only runs the closing steps,
  // which is how a press during a scan stops it.
  void OnScanPressed();

  // Starts the scanner of one area code; unknown codes start nothing.
  void ScanKey(const std::string& skey);
  // Scans `path` below `root` and everything under it.
  void WalkKey(std::uint32_t root, const std::string& path);
  // True when an enabled exclusion rule covers strkey: a must-begin rule
  // when strkey begins with its text, any other where its text occurs.
  bool InExcludeList(const std::string& strkey);
  // Records one problem unless the CD-ROM/network filter drops it.
  void AddtoList(std::uint32_t sRootKey, const std::string& sKeyLocation,
                 const std::string& sKeyname, const std::string& sKeyValue,
                 std::uint32_t vType, const std::string& sReason);
  // True when the scan button shows a start caption again.
  bool ScanStopped();

  // The special areas. Each walks `path` below `root` depth first.
  // Shared files: every value name must name an existing file.
  void ScanSharedDlls(std::uint32_t root, const std::string& path);
  // Font lists: every value's data names a font file.
  void ScanFontKey(std::uint32_t root, const std::string& path);
  // Class, type library and interface registrations.
  void ScanComKey(std::uint32_t root, const std::string& path);
  // The extension keys directly below `path` whose default value names a type.
  void ScanFileTypes(std::uint32_t root, const std::string& path);
  // One extension key and everything below it.
  void ScanExtensionKey(std::uint32_t root, const std::string& path);

  int ProblemCount() const { return problem_count_; }
  int ProgressValue() const { return progress_; }

  RegistryReader& reader() { return reader_; }
  FileReferenceCheck& file_check() { return check_; }

 private:
  void StepProgress();
  void RunAreas();
  void CloseScan();

  // True when a value whose data holds ":\" names a missing file on a drive
  // from A: to P: and the value is not excluded: what the walker reports,
  // and the first rule of the COM and file association scanners.
  bool IsBrokenDriveReference(const std::string& path, const ValueText& value);
  // The reason entry a COM rule records for one value, or -1 for none.
  int ComRuleEntry(const std::string& path, const ValueText& value);
  // Keys of class registrations, which only their own scanners enter.
  static bool IsClassRegistrationKey(const std::string& path);
  // Hands each named sub-key of the open `key` at `path` that no exclusion
  // rule covers to `scanner`, yielding after each; ends at the stop test.
  void ScanSubKeysUnlessExcluded(std::uint32_t root, const std::string& path,
                                 platform::KeyHandle key, std::uint32_t subkeys,
                                 void (ScanEngine::*scanner)(std::uint32_t, const std::string&));

  // Closes a special scanner's key on whichever way the scanner leaves.
  struct ScopedKey {
    RegistryReader& reader;
    platform::KeyHandle key;
    ~ScopedKey() { reader.CloseRegKey(key); }
  };

  RegistryReader reader_;
  FileReferenceCheck check_;
  common::TextSource& texts_;
  ScanWindow& window_;
  const KeptTexts& kept_;
  // The must-begin column's text in the current language, fetched at the
  // first match: the language cannot change while the program runs.
  std::optional<std::string> must_begin_text_;
  std::int32_t problem_count_ = 0;
  int progress_ = 0;
};

// The root key name ("HKEY_CURRENT_USER", ...); empty for any other handle.
std::string HkeyText(std::uint32_t sRootKey);
// The drive type of the drive whose root ("C:\") equals `root` exactly; 0 for none.
int DriveTypeOf(platform::FileSystem& files, const std::string& root);
// The root of a path as PathStripToRoot leaves it, as far as a drive root
// goes: "D:\" for a text beginning with "D:\", otherwise a text no drive has.
std::string DriveRootOf(const std::string& text);

}  // namespace scan
