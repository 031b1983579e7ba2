// Names and paths of the backups: one "Windows Registry Backup D-M-YYYY.reg"
// per day in the folder "Backups" beside the program.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace backup {

struct Date {
  int day = 1;    // 1..31
  int month = 1;  // 1..12
  int year = 2000;
};

// program_folder + "\Backups".
std::string BackupFolder(const std::string& program_folder);
// "Windows Registry Backup " + day-month-year, without leading zeros.
std::string BackupName(const Date& date);
// folder + "\" + name + ".reg".
std::string BackupFile(const std::string& folder, const std::string& name);
// `name` when its file is not in `folder` yet, otherwise the first free one
// of "name (2)", "name (3)", ...: a backup never overwrites another.
std::string FreeBackupName(platform::FileSystem& files, const std::string& folder,
                           const std::string& name);
// True for a file name that ends in ".reg" (any case) and is more than that.
bool IsBackupFileName(const std::string& file_name);
// The backup name of a file: its name without the ".reg" at its end.
std::string BackupNameOf(const std::string& file_name);

}  // namespace backup
