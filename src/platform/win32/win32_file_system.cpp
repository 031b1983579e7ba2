#include "platform/win32/win32_file_system.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>

#include "platform/win32/text_convert.h"

// The interface's names, not the API's A/W macros.
#undef DeleteFile
#undef ReplaceFile

namespace platform {
namespace {

// Seconds between 1601-01-01 (FILETIME's start) and 1970-01-01.
constexpr std::int64_t kEpochDifference = 11644473600;

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

FileHandle OpenFile(const wchar_t* path, DWORD access, DWORD share, DWORD disposition) {
  HANDLE handle = CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
  return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

struct FindCloser {
  void operator()(HANDLE handle) const { FindClose(handle); }
};

// The failures that mean the path names nothing or cannot be a path.
bool IsNotFound(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:       // 2
    case ERROR_PATH_NOT_FOUND:       // 3
    case ERROR_INVALID_DRIVE:        // 15
    case ERROR_INVALID_NAME:         // 123
    case ERROR_BAD_PATHNAME:         // 161
    case ERROR_FILENAME_EXCED_RANGE: // 206
      return true;
    default:
      return false;
  }
}

int DriveTypeOf(UINT type) {
  switch (type) {
    case DRIVE_REMOVABLE: return kDriveRemovable;
    case DRIVE_FIXED: return kDriveFixed;
    case DRIVE_REMOTE: return kDriveNetwork;
    case DRIVE_CDROM: return kDriveCdRom;
    case DRIVE_RAMDISK: return kDriveRamDisk;
    default: return kDriveUnknown;  // unknown, or no root folder
  }
}

std::int64_t UnixSeconds(const FILETIME& time) {
  ULARGE_INTEGER ticks;
  ticks.LowPart = time.dwLowDateTime;
  ticks.HighPart = time.dwHighDateTime;
  return static_cast<std::int64_t>(ticks.QuadPart / 10000000) - kEpochDifference;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace

const wchar_t* Win32FileSystem::Wide(const std::string& path) {
  if (path.find('\0') != std::string::npos) return nullptr;
  Utf8ToWide(path, &wide_);
  return wide_.c_str();
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const wchar_t* wide = Wide(path);
  if (!wide) return false;
  DWORD attributes = GetFileAttributesW(wide);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FolderState Win32FileSystem::QueryFolder(const std::string& path) {
  const wchar_t* wide = Wide(path);
  if (!wide || path.empty()) return FolderState::kNotFound;
  DWORD attributes = GetFileAttributesW(wide);
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FolderState::kExists : FolderState::kNotFound;
  }
  // What cannot be examined (access denied, device not ready, ...) is not
  // known to be missing.
  return IsNotFound(GetLastError()) ? FolderState::kNotFound : FolderState::kUnknown;
}

std::vector<Drive> Win32FileSystem::Drives() {
  std::vector<Drive> drives;
  const DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(mask & (1u << i))) continue;
    const wchar_t root[] = {static_cast<wchar_t>(L'A' + i), L':', L'\\', L'\0'};
    drives.push_back({static_cast<char>('A' + i), DriveTypeOf(GetDriveTypeW(root))});
  }
  return drives;
}

std::string Win32FileSystem::WindowsFolder() {
  wchar_t buffer[MAX_PATH];
  UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return "";
  return WideToUtf8(std::wstring_view(buffer, length));
}

std::string Win32FileSystem::SpecialFolderPath(int csidl) {
  wchar_t buffer[MAX_PATH];
  if (SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, buffer) !=
      S_OK) {
    return "";
  }
  return WideToUtf8(buffer);
}

std::vector<FileEntry> Win32FileSystem::ListFolder(const std::string& path) {
  std::vector<FileEntry> entries;
  std::wstring pattern = Utf8ToWide(path);
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found;
  HANDLE first = FindFirstFileW(pattern.c_str(), &found);
  if (first == INVALID_HANDLE_VALUE) return entries;
  std::unique_ptr<void, FindCloser> search(first);
  do {
    const std::wstring_view name(found.cFileName);
    if (name == L"." || name == L"..") continue;
    FileEntry entry;
    entry.name = WideToUtf8(name);
    entry.size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    entry.modified = UnixSeconds(found.ftLastWriteTime);
    entry.is_folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entries.push_back(std::move(entry));
  } while (FindNextFileW(first, &found));
  return entries;
}

bool Win32FileSystem::ReadFile(const std::string& path, std::string* bytes) {
  const wchar_t* wide = Wide(path);
  if (!wide) return false;
  FileHandle file = OpenFile(wide, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  LARGE_INTEGER size;
  if (!file || !GetFileSizeEx(file.get(), &size)) return false;
  std::string read(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < read.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(read.size() - done, 1u << 30));
    DWORD got = 0;
    if (!::ReadFile(file.get(), read.data() + done, chunk, &got, nullptr)) return false;
    if (got == 0) break;  // the file shrank while we read it
    done += got;
  }
  read.resize(done);
  *bytes = std::move(read);
  return true;
}

bool Win32FileSystem::ReplaceFile(const std::string& path, const std::string& bytes) {
  if (!Wide(path)) return false;
  const std::wstring target = wide_;
  const std::wstring temporary = target + L".tmp";
  {
    FileHandle file = OpenFile(temporary.c_str(), GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file) return false;
    if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
      file.reset();
      DeleteFileW(temporary.c_str());
      return false;
    }
  }
  // One rename puts the new text in place: the old file stays whole until then.
  if (!MoveFileExW(temporary.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

bool Win32FileSystem::ReadTextFile(const std::string& path, std::string* utf8) {
  std::string ansi;
  if (!ReadFile(path, &ansi)) return false;
  *utf8 = AnsiToUtf8(ansi);
  return true;
}

bool Win32FileSystem::ReplaceTextFile(const std::string& path, const std::string& utf8) {
  return ReplaceFile(path, Utf8ToAnsi(utf8));
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
  const wchar_t* wide = Wide(path);
  if (!wide) return false;
  if (CreateDirectoryW(wide, nullptr)) return true;
  return GetLastError() == ERROR_ALREADY_EXISTS && QueryFolder(path) == FolderState::kExists;
}

bool Win32FileSystem::DeleteFile(const std::string& path) {
  const wchar_t* wide = Wide(path);
  return wide && DeleteFileW(wide);
}

}  // namespace platform
