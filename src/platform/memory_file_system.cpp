#include "platform/memory_file_system.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <string_view>

#include "common/strings.h"

namespace platform {
namespace {

// A text holding one of these characters (a NUL would end it early in the
// Windows API), or a colon past the drive letter's, cannot name anything.
bool CanBePath(std::string_view text) {
  constexpr std::string_view kNeverInPaths("\"<>|*?\0", 7);
  if (text.empty() || text.find_first_of(kNeverInPaths) != std::string_view::npos) return false;
  std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return true;
  return colon == 1 && std::isalpha(static_cast<unsigned char>(text[0])) &&
         text.find(':', 2) == std::string_view::npos;
}

// Windows drops trailing dots and spaces of the last name.
void StripTrailingDotsAndSpaces(std::string* name) {
  while (!name->empty() && (name->back() == '.' || name->back() == ' ')) name->pop_back();
}

std::string Parent(const std::string& absolute) {
  std::size_t slash = absolute.rfind('\\');
  return slash <= 2 ? absolute.substr(0, 3) : absolute.substr(0, slash);
}

std::string LastName(const std::string& absolute) {
  return absolute.substr(absolute.rfind('\\') + 1);
}

}  // namespace

MemoryFileSystem::MemoryFileSystem() {
  AddDrive('C', kDriveFixed);
  SetWindowsFolder("C:\\WINDOWS");
  AddFolder(windows_folder_);
  current_directory_ = "C:\\Program Files\\Suite";
  AddFolder(current_directory_);
}

std::string MemoryFileSystem::Absolute(const std::string& path) const {
  if (!CanBePath(path)) return "";
  std::string text = common::ReplaceAll(path, "/", "\\");
  if (text.rfind("\\\\", 0) == 0) return "";  // no network shares here
  std::string drive = current_directory_.substr(0, 2);
  std::string rest = text;
  if (text.size() >= 2 && text[1] == ':') {
    drive = common::UpperAscii(text.substr(0, 2));
    rest = text.substr(2);
    // "D:name" is relative to the current directory only on its own drive.
    if (rest.empty() || rest[0] != '\\') {
      rest = (drive == common::UpperAscii(current_directory_.substr(0, 2))
                  ? current_directory_.substr(2) + "\\"
                  : "\\") + rest;
    }
  } else if (text[0] != '\\') {
    rest = current_directory_.substr(2) + "\\" + text;
  }
  std::vector<std::string> names;
  for (std::string& name : common::Split(rest, '\\')) {
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (!names.empty()) names.pop_back();
      continue;
    }
    names.push_back(std::move(name));
  }
  if (!names.empty()) {
    StripTrailingDotsAndSpaces(&names.back());
    if (names.back().empty()) names.pop_back();
  }
  std::string absolute = drive + "\\";
  for (std::size_t i = 0; i < names.size(); ++i) {
    absolute += (i ? "\\" : "") + names[i];
  }
  return absolute;
}

std::string MemoryFileSystem::Key(const std::string& path) const {
  return common::UpperAscii(Absolute(path));
}

bool MemoryFileSystem::Unreadable(const std::string& key) const {
  return std::any_of(unreadable_.begin(), unreadable_.end(), [&](const std::string& below) {
    return key.rfind(below, 0) == 0 &&
           (key.size() == below.size() || below.back() == '\\' || key[below.size()] == '\\');
  });
}

bool MemoryFileSystem::MakeFolders(const std::string& absolute) {
  if (absolute.empty()) return false;
  char letter = absolute[0];
  if (!drives_.count(letter)) AddDrive(letter, kDriveFixed);
  for (std::size_t end = 3; end != std::string::npos; end = absolute.find('\\', end + 1)) {
    std::string folder = absolute.substr(0, end);
    folders_.emplace(common::UpperAscii(folder), folder);
  }
  folders_.emplace(common::UpperAscii(absolute), absolute);
  return true;
}

void MemoryFileSystem::AddDrive(char letter, int type) {
  letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  drives_[letter] = type;
  std::string root = std::string(1, letter) + ":\\";
  folders_.emplace(root, root);
}

void MemoryFileSystem::AddFolder(const std::string& path) { MakeFolders(Absolute(path)); }

void MemoryFileSystem::AddFile(const std::string& path, std::string bytes,
                               std::int64_t modified) {
  std::string absolute = Absolute(path);
  if (!MakeFolders(Parent(absolute))) return;
  files_[common::UpperAscii(absolute)] = {absolute, std::move(bytes), modified};
}

void MemoryFileSystem::SetWindowsFolder(const std::string& path) { windows_folder_ = path; }

void MemoryFileSystem::SetSpecialFolder(int csidl, const std::string& path) {
  special_[csidl] = path;
}

void MemoryFileSystem::SetCurrentDirectory(const std::string& path) {
  current_directory_ = Absolute(path);
}

void MemoryFileSystem::AddUnreadable(const std::string& path) { unreadable_.insert(Key(path)); }

void MemoryFileSystem::FailWrites(bool fail) { fail_writes_ = fail; }

int MemoryFileSystem::QueryCount() const { return queries_; }

bool MemoryFileSystem::FileExists(const std::string& path) {
  ++queries_;
  // A trailing separator asks for a folder.
  if (!path.empty() && (path.back() == '\\' || path.back() == '/')) return false;
  std::string key = Key(path);
  return !key.empty() && !Unreadable(key) && files_.count(key);
}

FolderState MemoryFileSystem::QueryFolder(const std::string& path) {
  ++queries_;
  std::string key = Key(path);
  if (key.empty() || !drives_.count(key[0])) return FolderState::kNotFound;
  if (Unreadable(key)) return FolderState::kUnknown;
  return folders_.count(key) ? FolderState::kExists : FolderState::kNotFound;
}

std::vector<Drive> MemoryFileSystem::Drives() {
  std::vector<Drive> drives;
  for (const auto& [letter, type] : drives_) drives.push_back({letter, type});
  return drives;
}

std::string MemoryFileSystem::WindowsFolder() { return windows_folder_; }

std::string MemoryFileSystem::SpecialFolderPath(int csidl) {
  auto it = special_.find(csidl);
  if (it == special_.end()) return "";
  AddFolder(it->second);  // asked for with "create when missing"
  return it->second;
}

std::vector<FileEntry> MemoryFileSystem::ListFolder(const std::string& path) {
  std::string key = Key(path);
  std::vector<FileEntry> entries;
  if (key.empty() || Unreadable(key) || !folders_.count(key)) return entries;
  std::string prefix = key.back() == '\\' ? key : key + "\\";
  auto inside = [&](const std::string& other) {
    return other.size() > prefix.size() && other.rfind(prefix, 0) == 0 &&
           other.find('\\', prefix.size()) == std::string::npos;
  };
  for (const auto& [other, folder] : folders_) {
    if (inside(other)) entries.push_back({LastName(folder), 0, 0, true});
  }
  for (const auto& [other, file] : files_) {
    if (inside(other)) entries.push_back({LastName(file.path), file.bytes.size(), file.modified});
  }
  std::sort(entries.begin(), entries.end(), [](const FileEntry& a, const FileEntry& b) {
    return common::UpperAscii(a.name) < common::UpperAscii(b.name);
  });
  return entries;
}

bool MemoryFileSystem::ReadFile(const std::string& path, std::string* bytes) {
  std::string key = Key(path);
  auto it = files_.find(key);
  if (it == files_.end() || Unreadable(key)) return false;
  *bytes = it->second.bytes;
  return true;
}

bool MemoryFileSystem::ReplaceFile(const std::string& path, const std::string& bytes) {
  std::string absolute = Absolute(path);
  std::string key = common::UpperAscii(absolute);
  if (fail_writes_ || key.empty() || Unreadable(key) || folders_.count(key) ||
      !folders_.count(common::UpperAscii(Parent(absolute)))) {
    return false;
  }
  auto it = files_.find(key);
  std::string name = it == files_.end() ? absolute : it->second.path;
  files_[key] = {name, bytes, static_cast<std::int64_t>(std::time(nullptr))};
  return true;
}

// The memory files hold their text as it is: no code page to convert through.
bool MemoryFileSystem::ReadTextFile(const std::string& path, std::string* utf8) {
  return ReadFile(path, utf8);
}

bool MemoryFileSystem::ReplaceTextFile(const std::string& path, const std::string& utf8) {
  return ReplaceFile(path, utf8);
}

bool MemoryFileSystem::CreateFolder(const std::string& path) {
  std::string absolute = Absolute(path);
  std::string key = common::UpperAscii(absolute);
  if (key.empty() || Unreadable(key) || files_.count(key) || !drives_.count(key[0]) ||
      !folders_.count(common::UpperAscii(Parent(absolute)))) {
    return false;
  }
  folders_.emplace(key, absolute);
  return true;
}

bool MemoryFileSystem::DeleteFile(const std::string& path) {
  std::string key = Key(path);
  return !key.empty() && !Unreadable(key) && files_.erase(key) > 0;
}

}  // namespace platform
