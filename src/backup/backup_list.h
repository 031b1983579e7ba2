// The backup list: one row per ".reg" file of the backup folder, in the
// order the folder lists them.
#pragma once

#include <string>
#include <vector>

#include "backup/export_tracker.h"
#include "common/text_source.h"
#include "platform/file_system.h"
#include "platform/locale_format.h"

namespace backup {

struct BackupRow {
  std::string name;  // the backup name (file name without ".reg")
  std::string date;  // short date of the last change
  std::string size;  // size text, or the in-progress text "RBC_6"
};

struct BackupListing {
  std::vector<BackupRow> rows;
  bool export_completed = false;  // the followed export ended at this refresh
};

// Lists `folder` (empty when it is missing). With `tracker`, the followed
// backup's row is measured: in progress shows "RBC_6", completion shows the
// size and sets export_completed.
BackupListing ListBackups(platform::FileSystem& files, platform::LocaleFormat& locale,
                          common::TextSource& texts, const std::string& folder,
                          ExportTracker* tracker);

}  // namespace backup
