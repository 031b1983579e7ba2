// An in-memory file system with drives and their types, folders and files.
// Paths compare case-insensitively; "\" and "/" both separate; a relative
// path is taken from the current directory (by default the program folder
// C:\Program Files\Suite). A text holding a quote, "<", ">", "|", "*", "?",
// a NUL or a second colon names nothing, as on Windows; so does a path on a
// drive it does not have. Trailing dots and spaces of the last name are
// dropped, as Windows does.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace platform {

class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem();  // drive C: fixed, Windows folder C:\WINDOWS (exists)

  void AddDrive(char letter, int type);
  // Both make the folders above, and the drive (fixed) when it is missing.
  void AddFolder(const std::string& path);
  void AddFile(const std::string& path, std::string bytes = {}, std::int64_t modified = 0);
  void SetWindowsFolder(const std::string& path);
  void SetSpecialFolder(int csidl, const std::string& path);
  void SetCurrentDirectory(const std::string& path);
  // A path at and below which queries cannot be answered
  // (FolderState::kUnknown, no file exists, nothing can be read or written).
  void AddUnreadable(const std::string& path);
  // Makes ReplaceFile fail, to test that a failed save keeps the old file.
  void FailWrites(bool fail);
  // Number of FileExists and QueryFolder calls so far.
  int QueryCount() const;

  bool FileExists(const std::string& path) override;
  FolderState QueryFolder(const std::string& path) override;
  std::vector<Drive> Drives() override;
  std::string WindowsFolder() override;
  std::string SpecialFolderPath(int csidl) override;
  std::vector<FileEntry> ListFolder(const std::string& path) override;
  bool ReadFile(const std::string& path, std::string* bytes) override;
  bool ReplaceFile(const std::string& path, const std::string& bytes) override;
  bool ReadTextFile(const std::string& path, std::string* utf8) override;
  bool ReplaceTextFile(const std::string& path, const std::string& utf8) override;
  bool CreateFolder(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;

 private:
  struct File {
    std::string path;  // as added, for listings
    std::string bytes;
    std::int64_t modified = 0;
  };
  // Absolute, "\" separated, ".." resolved, in the case given; "" when the
  // text cannot be a path.
  std::string Absolute(const std::string& path) const;
  // Absolute and upper case: the key of folders_ and files_.
  std::string Key(const std::string& path) const;
  bool Unreadable(const std::string& key) const;
  // Makes the folder and the folders above it; false below an unknown drive.
  bool MakeFolders(const std::string& absolute);

  std::map<char, int> drives_;
  std::map<std::string, std::string> folders_;  // key -> path as added
  std::map<std::string, File> files_;
  std::set<std::string> unreadable_;
  std::map<int, std::string> special_;
  std::string windows_folder_;
  std::string current_directory_;
  bool fail_writes_ = false;
  int queries_ = 0;
};

}  // namespace platform
