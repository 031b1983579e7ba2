#include "backup/backup_tool.h"

#include <utility>

namespace backup {

namespace {

// Message box styles and answers, by their Windows numbers.
constexpr unsigned kMbOk = 0x0;
constexpr unsigned kMbOkCancel = 0x1;
constexpr unsigned kMbIconQuestion = 0x20;
constexpr unsigned kMbIconExclamation = 0x30;
constexpr unsigned kMbIconInformation = 0x40;
constexpr int kIdOk = 1;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

BackupTool::BackupTool(platform::FileSystem& files, platform::ProcessRunner& runner,
                       platform::MessageBoxes& boxes, common::TextSource& texts,
                       platform::LocaleFormat& locale, std::string program_folder)
    : files_(files),
      runner_(runner),
      boxes_(boxes),
      texts_(texts),
      locale_(locale),
      backup_folder_(BackupFolder(program_folder)) {}

void BackupTool::SetOwner(void* owner, std::string title) {
  owner_ = owner;
  title_ = std::move(title);
}

bool BackupTool::StartBackup(const Date& today) {
  const std::string name = FreeBackupName(files_, backup_folder_, BackupName(today));
  if (!files_.CreateFolder(backup_folder_) &&
      files_.QueryFolder(backup_folder_) != platform::FolderState::kExists) {
    Tell(kFolderFailedId);
    return false;
  }
  auto exporter = StartEditor("/e " + Quoted(BackupFile(backup_folder_, name)));
  if (!exporter) return false;
  tracker_.Arm(name, std::move(exporter));
  return true;
}

bool BackupTool::Restore(const std::string& name) {
  if (name.empty() || !Confirm("RBC_4")) return false;
  // The editor asks its own question and reports its own result.
  return StartEditor(Quoted(BackupFile(backup_folder_, name))) != nullptr;
}

bool BackupTool::Delete(const std::string& name) {
  if (name.empty() || !Confirm("RBC_3")) return false;
  // A file that stays (locked, already gone) is not reported: the next
  // refresh lists what really is in the folder.
  files_.DeleteFile(BackupFile(backup_folder_, name));
  return true;
}

BackupListing BackupTool::Refresh() {
  return ListBackups(files_, locale_, texts_, backup_folder_, &tracker_);
}

BackupListing BackupTool::List() {
  return ListBackups(files_, locale_, texts_, backup_folder_, nullptr);
}

void BackupTool::AnnounceCompletion() {
  boxes_.Show(owner_, texts_.GetText("RBC_7"), title_, kMbOk | kMbIconInformation);
}

std::string BackupTool::EditorPath() { return files_.WindowsFolder() + "\\regedit.exe"; }

std::unique_ptr<platform::RunningProcess> BackupTool::StartEditor(const std::string& arguments) {
  // The editor's path is quoted and given as the application, so a blank
  // in the Windows folder can never split the line.
  const std::string editor = EditorPath();
  auto process = runner_.StartHidden(editor, Quoted(editor) + " " + arguments);
  if (!process) Tell(kEditorFailedId);
  return process;
}

bool BackupTool::Confirm(const char* id) {
  return boxes_.Show(owner_, texts_.GetText(id), title_, kMbOkCancel | kMbIconQuestion) == kIdOk;
}

void BackupTool::Tell(const char* id) {
  boxes_.Show(owner_, texts_.GetText(id), title_, kMbOk | kMbIconExclamation);
}

}  // namespace backup
