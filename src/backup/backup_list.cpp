#include "backup/backup_list.h"

#include "backup/backup_names.h"
#include "backup/size_text.h"

namespace backup {

BackupListing ListBackups(platform::FileSystem& files, platform::LocaleFormat& locale,
                          common::TextSource& texts, const std::string& folder,
                          ExportTracker* tracker) {
  // Looked up once: the timer rebuilds the list every few seconds.
  const std::string separator = locale.DecimalSeparator();
  const std::string unit = texts.GetText("RBC_5");
  const bool following = tracker != nullptr && tracker->tracking();
  const std::string in_progress = following ? texts.GetText("RBC_6") : std::string();

  BackupListing listing;
  for (const platform::FileEntry& entry : files.ListFolder(folder)) {
    if (entry.is_folder || !IsBackupFileName(entry.name)) continue;
    BackupRow row{BackupNameOf(entry.name), locale.ShortDate(entry.modified),
                  SizeText(entry.size, separator, unit)};
    if (following && tracker->Tracks(row.name)) {
      if (tracker->Measure(SizeInHundredthsOfMb(entry.size)) == ExportTracker::Step::kComplete) {
        listing.export_completed = true;
      } else {
        row.size = in_progress;
      }
    }
    listing.rows.push_back(std::move(row));
  }
  return listing;
}

}  // namespace backup
