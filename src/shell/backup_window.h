// hivesafe's only window (frmMain): the description, the backup list, and
// "Backup", "Restore", "Delete" and "Close". It is the view of
// backup::BackupTool: the tool does the work, the window mirrors its
// listing into the list view and says which backup the user chose.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "backup/backup_list.h"
#include "backup/backup_tool.h"
#include "common/text_source.h"
#include "platform/file_system.h"
#include "platform/locale_format.h"
#include "platform/message_boxes.h"
#include "platform/process_runner.h"
#include "shell/background.h"
#include "shell/base_window.h"
#include "shell/fonts.h"
#include "shell/layout.h"
#include "shell/link_label.h"

namespace shell {

// Control IDs of the backup tool's window; the link is lblLinks(9).
enum BackupControlId : int {
  kBackupLabel6 = 500,
  kBackupDesc,
  kLstBackups,
  kCmdBackup,
  kCmdRestore,
  kCmdDelete,
  kCmdClose,
  kBackupLink9,
};

class BackupWindow : public BaseWindow<BackupWindow> {
 public:
  // `program_folder`: the folder beside which "Backups" is kept, no trailing "\".
  BackupWindow(platform::FileSystem& files, platform::ProcessRunner& runner,
               platform::MessageBoxes& boxes, common::TextSource& texts,
               platform::LocaleFormat& locale, std::string program_folder);
  ~BackupWindow();

  // Creates the window, invisible, and runs its load step: icon, centred,
  // texts, the list, then the first backup. The caller shows it. False
  // when the window cannot be created.
  bool Create();
  // True once the window has gone (Close, the close box); it has then also
  // posted WM_QUIT, which ends the program's message loop.
  bool closed() const { return created_ && !hwnd(); }
  // A control by its ID (null for an unknown one); the window for 0.
  HWND control(int id) const;

  // CheckRegs: the list rebuilt from the backup folder, following the
  // running export; the completion message once it has ended. The timer
  // runs it every five seconds.
  void CheckRegs();

  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  // backup_window_layout.cpp: the design, control by control.
  void SizeWindow();
  void CreateControls();
  HWND Add(int id, const wchar_t* window_class, DWORD style, const TwipRect& place,
           const FontStyle& font, const wchar_t* text, DWORD ex_style = 0);
  void Paint(HDC dc, const RECT& client) const;
  void ApplyBackupTexts();
  void FitColumns();

  void Load();
  void ShowRows(const backup::BackupListing& listing);
  std::string SelectedBackup() const;
  void EnableButtons(bool enabled);
  void StartTimer();
  void OnCommand(int id, int code);
  void OnBackup();
  void OnRestore();
  void OnDelete();
  LRESULT OnCtlColor(HDC dc, HWND target);

  platform::MessageBoxes& boxes_;
  common::TextSource& texts_;
  std::string program_folder_;
  backup::BackupTool tool_;
  Layout layout_;
  Fonts fonts_;
  LinkArt link_art_;
  Background background_;
  HBITMAP picture_ = nullptr;  // the emblem of the picture at the left
  std::map<int, HWND> controls_;
  bool created_ = false;
};

}  // namespace shell
