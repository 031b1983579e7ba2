// The file system interface over the wide Win32 file API.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace platform {

class Win32FileSystem : public FileSystem {
 public:
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
  // `path` as a wide C string in a buffer reused from call to call (the
  // scan asks about paths once or more per value); nullptr when the text
  // holds a NUL, which the wide API would take for its end.
  const wchar_t* Wide(const std::string& path);

  std::wstring wide_;
};

}  // namespace platform
