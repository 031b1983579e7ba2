// The file reference check: cuts a registry text down to the file it may
// name and tries several readings of it; any reading that names something
// makes the reference sound.
#include <string>

#include "common/strings.h"
#include "scan/file_reference_check.h"

namespace scan {

using common::Before;
using common::Trim;

std::string addslash(const std::string& lzPathName) {
  if (lzPathName.empty() || lzPathName.back() == '\\') return lzPathName;
  return lzPathName + '\\';
}

std::string FileReferenceCheck::WinDir() {
  if (!windows_folder_) windows_folder_ = Trim(files_.WindowsFolder());
  return *windows_folder_;
}

bool FileReferenceCheck::CheckFolderExists(const std::string& path) {
  return files_.QueryFolder(path) != platform::FolderState::kNotFound;
}

bool FileReferenceCheck::CheckFileExists(const std::string& path) {
  return files_.FileExists(path);
}

std::string FileReferenceCheck::SpecialFolderPath(int csidl) {
  return files_.SpecialFolderPath(csidl);
}

bool FileReferenceCheck::CheckInSysFolders(const std::string& sPath) {
  const std::string windows = addslash(WinDir());
  if (sPath.find(':') == std::string::npos && CheckFileExists(windows + sPath)) return true;
  if (CheckFileExists(windows + "system\\" + sPath)) return true;
  return CheckFileExists(windows + "system32\\" + sPath);
}

namespace {

// Step 6: a path followed by an icon index, a switch or a list keeps only
// what stands before the first separator of each kind.
std::string DropArguments(std::string t) {
  for (const char* separator : {",", " /", " -", ";"}) t = Trim(Before(t, separator));
  return t;
}

bool IsJudgedDrive(char letter) {
  const char upper = common::UpperAscii(std::string(1, letter))[0];
  return upper >= 'A' && upper <= 'T';
}

}  // namespace

bool FileReferenceCheck::CheckValid(std::string sPath) {
  std::string t = std::move(sPath);
  if (CheckFolderExists(t)) return true;
  if (CheckFileExists(t)) return true;

  t = common::ReplaceAll(t, "\"", "");
  t = common::ReplaceAll(t, "Rundll32", "");
  t = common::ReplaceAll(t, "RunDll32", "");

  // Start at the drive letter of the first drive reference.
  const std::size_t drive = t.find(":\\");
  if (drive == std::string::npos || drive == 0) return false;
  t.erase(0, drive - 1);
  if (!IsJudgedDrive(t[0])) return true;

  t = DropArguments(std::move(t));
  t = common::ReplaceAll(t, "%SYSTEMROOT%", addslash(WinDir()));
  t = common::ReplaceAll(Trim(Before(t, "%")), "@", "");
  if (CheckFileExists(t)) return true;

  bool result;
  const std::size_t second = t.find(":\\", 2);
  if (second != std::string::npos) {
    // A program followed by a path on another drive: the program must be
    // plausible and the second path must exist. `head` keeps the character
    // before the second drive letter, `part` starts with it; both trimmed.
    const std::string head = Trim(t.substr(0, second - 1));
    const std::string part = Trim(t.substr(second - 2));
    const bool head_ok = head.find('.') == std::string::npos || CheckFileExists(head) ||
                         CheckInSysFolders(head);
    result = head_ok && (CheckFileExists(part) || CheckInSysFolders(part));
  } else {
    result = CheckInSysFolders(t);
    if (!result) {
      // A path followed by plain arguments: read up to a three-letter
      // extension after the first dot.
      const std::size_t dot = t.find('.', 2);
      const std::string head =
          Trim(dot == std::string::npos ? t.substr(0, 3) : t.substr(0, dot + 4));
      result = CheckFileExists(head) || CheckInSysFolders(head);
    }
  }
  if (!result) result = CheckFolderExists(t);
  return result;
}

}  // namespace scan
