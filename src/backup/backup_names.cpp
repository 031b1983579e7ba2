#include "backup/backup_names.h"

#include "common/strings.h"

namespace backup {

namespace {

constexpr char kExtension[] = ".reg";
constexpr std::size_t kExtensionLength = sizeof(kExtension) - 1;

}  // namespace

std::string BackupFolder(const std::string& program_folder) {
  return program_folder + "\\Backups";
}

std::string BackupName(const Date& date) {
  return "Windows Registry Backup " + std::to_string(date.day) + "-" +
         std::to_string(date.month) + "-" + std::to_string(date.year);
}

std::string BackupFile(const std::string& folder, const std::string& name) {
  return folder + "\\" + name + kExtension;
}

std::string FreeBackupName(platform::FileSystem& files, const std::string& folder,
                           const std::string& name) {
  std::string candidate = name;
  for (int number = 2; files.FileExists(BackupFile(folder, candidate)); ++number) {
    candidate = name + " (" + std::to_string(number) + ")";
  }
  return candidate;
}

bool IsBackupFileName(const std::string& file_name) {
  // The folder filter "*.reg" matches the extension in any case.
  return file_name.size() > kExtensionLength &&
         common::UpperAscii(file_name.substr(file_name.size() - kExtensionLength)) == ".REG";
}

std::string BackupNameOf(const std::string& file_name) {
  if (!IsBackupFileName(file_name)) return file_name;
  return file_name.substr(0, file_name.size() - kExtensionLength);
}

}  // namespace backup
