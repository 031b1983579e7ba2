// The backup tool's three operations: back up the whole registry through the
// registry editor, restore a backup, delete one. The editor runs as its own
// process; nothing here waits for it.
#pragma once

#include <memory>
#include <string>

#include "backup/backup_list.h"
#include "backup/backup_names.h"
#include "backup/export_tracker.h"
#include "common/text_source.h"
#include "platform/file_system.h"
#include "platform/locale_format.h"
#include "platform/message_boxes.h"
#include "platform/process_runner.h"

namespace backup {

// Text IDs of the failures the user must know about.
inline constexpr char kFolderFailedId[] = "RBC_8";   // Backups folder cannot be created
inline constexpr char kEditorFailedId[] = "RBC_9";   // registry editor cannot be started

class BackupTool {
 public:
  BackupTool(platform::FileSystem& files, platform::ProcessRunner& runner,
             platform::MessageBoxes& boxes, common::TextSource& texts,
             platform::LocaleFormat& locale, std::string program_folder);

  // Owner window of the tool's message boxes, and their title.
  void SetOwner(void* owner, std::string title);

  // Starts the export of the whole registry into today's free backup name
  // and follows it. False, after telling the user, when the backup folder
  // cannot be created or the registry editor cannot be started.
  bool StartBackup(const Date& today);
  // Asks "RBC_4", then starts the import of the backup `name`. False when
  // the user declines, `name` is empty, or the editor cannot start (told).
  bool Restore(const std::string& name);
  // Asks "RBC_3", then deletes the backup `name`. True when the user
  // confirmed (the row goes, even if the file could not be deleted).
  bool Delete(const std::string& name);
  // The list as it is now, following the last export. The completion
  // message is the caller's to show (AnnounceCompletion), after the rows.
  BackupListing Refresh();
  // The list without following anything (the first fill).
  BackupListing List();
  // Shows the completion message "RBC_7".
  void AnnounceCompletion();

  const std::string& backup_folder() const { return backup_folder_; }
  const ExportTracker& tracker() const { return tracker_; }

 private:
  std::string EditorPath();
  // Starts the registry editor with `arguments`, hidden; null, after
  // telling the user, when it cannot start.
  std::unique_ptr<platform::RunningProcess> StartEditor(const std::string& arguments);
  // Asks the question `id` with OK and Cancel; true for OK.
  bool Confirm(const char* id);
  void Tell(const char* id);

  platform::FileSystem& files_;
  platform::ProcessRunner& runner_;
  platform::MessageBoxes& boxes_;
  common::TextSource& texts_;
  platform::LocaleFormat& locale_;
  std::string backup_folder_;
  void* owner_ = nullptr;
  std::string title_;
  ExportTracker tracker_;
};

}  // namespace backup
