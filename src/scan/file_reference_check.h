// Decides whether a text from the registry refers to a file or folder that
// exists. Lenient: whatever cannot be judged counts as sound.
#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

namespace scan {

// The text with a trailing "\" ("" stays "").
std::string addslash(const std::string& lzPathName);

class FileReferenceCheck {
 public:
  explicit FileReferenceCheck(platform::FileSystem& files) : files_(files) {}

  // True when the reference in sPath is sound or cannot be judged.
  bool CheckValid(std::string sPath);
  // True when sPath names a file in the Windows folder (only for a name
  // without ":"), its "system\" or its "system32\" folder.
  bool CheckInSysFolders(const std::string& sPath);
  std::string WinDir();
  // False only when the path names nothing (or cannot be a path).
  bool CheckFolderExists(const std::string& path);
  bool CheckFileExists(const std::string& path);
  std::string SpecialFolderPath(int csidl);

  platform::FileSystem& files() { return files_; }

 private:
  platform::FileSystem& files_;
  std::optional<std::string> windows_folder_;  // fetched once; it does not change while we run
};

}  // namespace scan
