// What the system needs of the file system. Paths are UTF-8 Windows paths.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Drive types as the system numbers them.
enum DriveType : int {
  kDriveUnknown = 0,
  kDriveRemovable = 1,
  kDriveFixed = 2,
  kDriveNetwork = 3,
  kDriveCdRom = 4,
  kDriveRamDisk = 5,
};

struct Drive {
  char letter = 'C';  // upper case
  int type = kDriveUnknown;
};

// The answer to "is this a folder?".
enum class FolderState {
  kExists,
  kNotFound,     // names nothing, or cannot be a path at all
  kUnknown,      // could not be examined (access denied, device not ready, ...)
};

struct FileEntry {
  std::string name;
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // seconds since 1970-01-01 UTC
  bool is_folder = false;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True when `path` names an existing file (not a folder). Relative paths
  // are taken from the current directory.
  virtual bool FileExists(const std::string& path) = 0;
  virtual FolderState QueryFolder(const std::string& path) = 0;
  // The drives the system has, in letter order.
  virtual std::vector<Drive> Drives() = 0;
  // The Windows folder, e.g. C:\windows (no trailing backslash but for a root).
  virtual std::string WindowsFolder() = 0;
  // Path of a special folder by its CSIDL number, created when missing;
  // empty when there is none.
  virtual std::string SpecialFolderPath(int csidl) = 0;

  // Entries of a folder (no "." or ".."); empty when it cannot be listed.
  virtual std::vector<FileEntry> ListFolder(const std::string& path) = 0;
  // Whole file as bytes; false when it cannot be read.
  virtual bool ReadFile(const std::string& path, std::string* bytes) = 0;
  // Writes `bytes` to a temporary file beside `path`, then puts it in
  // place of `path`; `path` is untouched when this fails.
  virtual bool ReplaceFile(const std::string& path, const std::string& bytes) = 0;
  // A text file in the system's ANSI code page, as UTF-8; false when it
  // cannot be read.
  virtual bool ReadTextFile(const std::string& path, std::string* utf8) = 0;
  // ReplaceFile with `utf8` converted to the ANSI code page.
  virtual bool ReplaceTextFile(const std::string& path, const std::string& utf8) = 0;
  virtual bool CreateFolder(const std::string& path) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
};

}  // namespace platform
