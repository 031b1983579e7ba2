#include "shell/backup_window.h"

#include <commctrl.h>

#include <utility>

#include "platform/win32/web_page.h"
#include "platform/win32/window_icon.h"
#include "shell/artwork.h"
#include "shell/controls.h"

namespace shell {

namespace {

constexpr UINT_PTR kTmrCreg = 1;
constexpr UINT kTickMs = 5000;
constexpr int kButtons[] = {kCmdBackup, kCmdRestore, kCmdDelete, kCmdClose};

backup::Date Today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wDay, now.wMonth, now.wYear};
}

}  // namespace

BackupWindow::BackupWindow(platform::FileSystem& files, platform::ProcessRunner& runner,
                           platform::MessageBoxes& boxes, common::TextSource& texts,
                           platform::LocaleFormat& locale, std::string program_folder)
    : boxes_(boxes),
      texts_(texts),
      program_folder_(std::move(program_folder)),
      tool_(files, runner, boxes, texts, locale, program_folder_),
      fonts_(layout_.dpi()),
      link_art_(layout_.dpi()) {
  const int picture_width = layout_.Px(2640);
  picture_ = MakeArrowBullet(picture_width / 2, RGB(120, 176, 240), RGB(28, 74, 150));
}

BackupWindow::~BackupWindow() {
  Destroy();  // the controls go before the fonts they use
  DeleteObject(picture_);
}

HWND BackupWindow::control(int id) const {
  if (id == 0) return hwnd();
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

// Form_Load. The tool's questions and messages stand over this window,
// titled as it is.
void BackupWindow::Load() {
  platform::SetWindowIcon(hwnd(), L"AAA", true);
  CentreOnScreen(hwnd());
  ApplyBackupTexts();
  tool_.SetOwner(hwnd(), GetText(hwnd()));
  ShowRows(tool_.List());
  StartTimer();
  OnBackup();  // every opening of the tool starts a backup
}

void BackupWindow::StartTimer() { SetTimer(hwnd(), kTmrCreg, kTickMs, nullptr); }

// The rows are in before the completion message, so the finished backup
// already shows its size behind it. A tick while the message is open
// finds nothing followed any more and only rebuilds the rows.
void BackupWindow::CheckRegs() {
  const backup::BackupListing listing = tool_.Refresh();
  ShowRows(listing);
  if (listing.export_completed) tool_.AnnounceCompletion();
}

// The rows as listed; the user's chosen backup stays chosen.
void BackupWindow::ShowRows(const backup::BackupListing& listing) {
  HWND list = control(kLstBackups);
  const std::string chosen = SelectedBackup();
  ListView_DeleteAllItems(list);
  for (const backup::BackupRow& row : listing.rows) {
    const int position = AppendRow(list, {row.name, row.date, row.size});
    if (!chosen.empty() && row.name == chosen) {
      const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
      ListView_SetItemState(list, position, state, state);
    }
  }
}

// The backup name of the selected row; "" when none is.
std::string BackupWindow::SelectedBackup() const {
  HWND list = control(kLstBackups);
  const int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  return row < 0 ? std::string() : ItemText(list, row, 0);
}

void BackupWindow::EnableButtons(bool enabled) {
  for (int id : kButtons) EnableWindow(control(id), enabled);
}

LRESULT BackupWindow::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_TIMER:
      if (wparam == kTmrCreg) CheckRegs();
      return 0;
    case WM_ERASEBKGND:
      background_.Erase(hwnd(), reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnCtlColor(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item.hwndItem == control(kBackupLink9)) {
        link_art_.Draw(item, background_.For(hwnd(), item.hDC, item.hwndItem));
      }
      return TRUE;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) == control(kBackupLink9)) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_DESTROY:
      // An export still running goes on in the registry editor, unfollowed.
      KillTimer(hwnd(), kTmrCreg);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd(), msg, wparam, lparam);
}

// Labels and buttons sit on the window's picture: white, or the banner
// under the welcome, or the footer band under the buttons.
LRESULT BackupWindow::OnCtlColor(HDC dc, HWND target) {
  SetTextColor(dc, target == control(kBackupLabel6) ? RGB(255, 255, 255)
                                                   : GetSysColor(COLOR_WINDOWTEXT));
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(background_.For(hwnd(), dc, target));
}

void BackupWindow::OnCommand(int id, int code) {
  if (code != BN_CLICKED && code != STN_CLICKED) return;  // the same number
  switch (id) {
    case kCmdBackup:
      OnBackup();
      break;
    case kCmdRestore:
      OnRestore();
      break;
    case kCmdDelete:
      OnDelete();
      break;
    case kCmdClose:
      DestroyWindow(hwnd());  // ends the program at once
      break;
    case kBackupLink9:
      platform::OpenWebPage(hwnd(), platform::kMakerWebAddress, program_folder_, boxes_,
                            platform::HivesafeWebPageFailure(texts_, platform::kMakerWebAddress));
      break;
    default:
      break;
  }
}

// cmdBackup_Click. The timer stands still while the export starts, so no
// tick measures a file the editor has not opened yet.
void BackupWindow::OnBackup() {
  EnableButtons(false);
  KillTimer(hwnd(), kTmrCreg);
  tool_.StartBackup(Today());
  CheckRegs();
  StartTimer();
  EnableButtons(true);
}

// cmdRestore_Click: with no backup chosen there is nothing to ask about.
void BackupWindow::OnRestore() {
  const std::string name = SelectedBackup();
  if (!name.empty()) tool_.Restore(name);
}

// cmdDelete_Click. The row goes once the user has confirmed; the next
// refresh shows the file again if it could not be deleted.
void BackupWindow::OnDelete() {
  const std::string name = SelectedBackup();
  if (name.empty() || !tool_.Delete(name)) return;
  HWND list = control(kLstBackups);
  const int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  if (row >= 0 && ItemText(list, row, 0) == name) ListView_DeleteItem(list, row);
}

}  // namespace shell
