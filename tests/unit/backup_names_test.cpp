#include "backup/backup_names.h"

#include <gtest/gtest.h>

#include "platform/memory_file_system.h"

namespace {

TEST(BackupNames, DayMonthYearWithoutLeadingZeros) {
  struct Case {
    backup::Date date;
    const char* name;
  };
  const Case cases[] = {
      {{1, 2, 2011}, "Windows Registry Backup 1-2-2011"},
      {{9, 12, 2010}, "Windows Registry Backup 9-12-2010"},
      {{31, 10, 1999}, "Windows Registry Backup 31-10-1999"},
  };
  for (const Case& c : cases) EXPECT_EQ(backup::BackupName(c.date), c.name);
}

TEST(BackupNames, FolderAndFileBesideTheProgram) {
  const std::string folder = backup::BackupFolder("D:\\My Tools");
  EXPECT_EQ(folder, "D:\\My Tools\\Backups");
  EXPECT_EQ(backup::BackupFile(folder, "My.Registry"), "D:\\My Tools\\Backups\\My.Registry.reg");
}

TEST(BackupNames, NextFreeNameNeverOverwrites) {
  const std::string folder = "C:\\Tool\\Backups";
  const std::string name = "Windows Registry Backup 1-2-2011";
  platform::MemoryFileSystem files;
  files.AddFolder(folder);
  EXPECT_EQ(backup::FreeBackupName(files, folder, name), name);

  files.AddFile(folder + "\\WINDOWS REGISTRY BACKUP 1-2-2011.REG");  // names ignore case
  EXPECT_EQ(backup::FreeBackupName(files, folder, name), name + " (2)");

  files.AddFile(folder + "\\" + name + " (2).reg");
  files.AddFile(folder + "\\" + name + " (4).reg");
  EXPECT_EQ(backup::FreeBackupName(files, folder, name), name + " (3)");
}

TEST(BackupNames, FileNamesEndingInReg) {
  struct Case {
    const char* file_name;
    bool is_backup;
    const char* backup_name;
  };
  const Case cases[] = {
      {"Windows Registry Backup 1-2-2011.reg", true, "Windows Registry Backup 1-2-2011"},
      {"My.Registry.reg", true, "My.Registry"},  // only the last ".reg" goes
      {"a.reg.reg", true, "a.reg"},
      {"OLD.REG", true, "OLD"},
      {"Mixed.rEg", true, "Mixed"},
      {".reg", false, ".reg"},  // nothing before the extension
      {"notes.txt", false, "notes.txt"},
      {"x.regx", false, "x.regx"},
      {"reg", false, "reg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file_name);
    EXPECT_EQ(backup::IsBackupFileName(c.file_name), c.is_backup);
    EXPECT_EQ(backup::BackupNameOf(c.file_name), c.backup_name);
  }
}

}  // namespace
