// The backup tool's design: every control at its place in twips, with its
// font and design caption, the pictures behind them, and the window texts.
#include "shell/backup_window.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

#include "shell/artwork.h"
#include "platform/win32/text_convert.h"
#include "shell/controls.h"

namespace shell {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kWindowWidth = 9075;   // outer, twips
constexpr int kFooterBottom = 6150;  // the client area ends with the footer band

constexpr TwipRect kBanner[] = {{0, 0, 6060, 975}, {5790, 0, 6060, 975}};
constexpr TwipRect kPicture{495, 1245, 2640, 2670};
constexpr TwipRect kFooter[] = {{-2220, 5490, 7125, 660}, {2760, 5490, 7125, 660}};

constexpr FontStyle kTahoma825{L"Tahoma", 825};
constexpr FontStyle kArial1125{L"Arial", 1125};

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kList =
    WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;

constexpr const wchar_t* kColumns[] = {L"Backup file", L"Date", L"Size"};

// ApplyBackupTexts, in this order. Column headers have negative IDs:
// -1 - column; 0 is the window's title.
constexpr std::pair<const char*, int> kTexts[] = {
    {"RBC_D", kBackupDesc},          {"RBC_BCK", kCmdBackup}, {"RBC_RST", kCmdRestore},
    {"RBC_DEL", kCmdDelete},         {"RBC_C", kCmdClose},    {"RBC_BN", -1},
    {"RBC_BD", -2},                  {"RBC_BS", -3},          {"REGISTRY_BACKUP_1", 0},
    {"REGISTRY_BACKUP_9", kBackupLabel6},
};

}  // namespace

bool BackupWindow::Create() {
  if (!CreateWindowOf(L"HivesafeMain", L"Norvane Registry Backup for Vista", kStyle, kExStyle,
                      CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr,
                      static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)))) {
    return false;
  }
  created_ = true;
  SizeWindow();
  CreateControls();
  background_.Make(hwnd(), [this](HDC dc, const RECT& client) { Paint(dc, client); });
  Load();
  return true;
}

// As wide as designed; as tall as the footer band plus whatever frame and
// caption the system draws, so the buttons on the band stay in view.
void BackupWindow::SizeWindow() {
  FitWindow(hwnd(), layout_.Px(kWindowWidth), layout_.Px(kFooterBottom));
}

HWND BackupWindow::Add(int id, const wchar_t* window_class, DWORD style, const TwipRect& place,
                       const FontStyle& font, const wchar_t* text, DWORD ex_style) {
  return controls_[id] = CreateControl(hwnd(), id, window_class, style | WS_CLIPSIBLINGS,
                                       layout_.Rect(place), fonts_.Get(font), text, ex_style);
}

void BackupWindow::CreateControls() {
  Add(kBackupLabel6, L"STATIC", kLabel, {675, 390, 0, 0}, kArial1125,
      L"Welcome to Norvane Registry Backup");
  HWND list = Add(kLstBackups, WC_LISTVIEWW, kList, {3585, 2715, 5115, 1845}, kTahoma825, L"",
                  WS_EX_CLIENTEDGE);
  // A name cut short by its column shows whole in a tip under the mouse.
  ListView_SetExtendedListViewStyle(list,
                                    LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP);
  for (int i = 0; i < 3; ++i) AddColumn(list, i, 0, kColumns[i]);
  // lblDesc reaches down over the list's top: it goes under the list, whose
  // header stays in view.
  Add(kBackupDesc, L"STATIC", kLabel, {3570, 1410, 5430, 1515}, kArial9,
      L"Norvane Registry Backup allows you to create multiple registry backups and restore "
      L"your registry using them if necessary. It is recommended to create registry backup "
      L"before any possible harmful change in the registry. ");

  HWND link = controls_[kBackupLink9] = link_art_.Create(
      hwnd(), kBackupLink9, layout_.Px(3945), layout_.Px(5010), fonts_.Get(kLinkFont));
  link_art_.SetText(link, "Click here for more Windows Utilities && Fixes");

  struct Button {
    int id;
    int left;
    const wchar_t* caption;
  };
  constexpr Button kButtons[] = {{kCmdBackup, 1830, L"Backup"},
                                 {kCmdRestore, 3510, L"Restore"},
                                 {kCmdDelete, 5190, L"Delete"},
                                 {kCmdClose, 7035, L"Close"}};
  for (const Button& button : kButtons) {
    Add(button.id, L"BUTTON", kButton, {button.left, 5685, 1600, 345}, kArial9, button.caption);
  }
}

void BackupWindow::Paint(HDC dc, const RECT& client) const {
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  for (const TwipRect& copy : kBanner) DrawBanner(dc, layout_.Rect(copy));
  DrawPictureCard(dc, layout_.Rect(kPicture), picture_);
  for (const TwipRect& copy : kFooter) DrawFooterBand(dc, layout_.Rect(copy));
}

// A text the library lacks leaves its caption empty.
void BackupWindow::ApplyBackupTexts() {
  for (const auto& [text_id, id] : kTexts) {
    const std::string text = texts_.GetText(text_id);
    if (id < 0) {
      SetColumnText(control(kLstBackups), -1 - id, text);
    } else {
      SetText(control(id), text);
    }
  }
  SizeToText(control(kBackupLabel6));
  FitColumns();
}

// The date and the size (or the in-progress text) get the room they need,
// the name the rest of the list: all three show without scrolling, even
// with a vertical scroll bar, which is what the list is for.
void BackupWindow::FitColumns() {
  HWND list = control(kLstBackups);
  const int padding = layout_.Px(240);
  auto widest = [list](std::initializer_list<std::wstring> samples) {
    int width = 0;
    for (const std::wstring& sample : samples) {
      width = std::max(width, ListView_GetStringWidth(list, sample.c_str()));
    }
    return width;
  };
  const int date = widest({platform::Utf8ToWide(ColumnText(list, 1)), L"00/00/0000"}) + padding;
  const int size = widest({platform::Utf8ToWide(ColumnText(list, 2)), platform::Utf8ToWide(texts_.GetText("RBC_6")),
                           L"0000.00 " + platform::Utf8ToWide(texts_.GetText("RBC_5"))}) + padding;
  RECT client{};
  GetClientRect(list, &client);
  const int name = std::max(layout_.Px(1000), static_cast<int>(client.right) -
                                                  GetSystemMetrics(SM_CXVSCROLL) - date - size);
  ListView_SetColumnWidth(list, 0, name);
  ListView_SetColumnWidth(list, 1, date);
  ListView_SetColumnWidth(list, 2, size);
}

}  // namespace shell
