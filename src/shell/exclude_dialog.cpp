#include "shell/exclude_dialog.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/window_icon.h"
#include "repair/exclude_text_check.h"
#include "scan/scan_window.h"
#include "shell/controls.h"

namespace shell {

namespace {

// A fixed dialog frame with a close box only, kept out of the task bar by
// its owner.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

constexpr FontStyle kTahoma825{L"Tahoma", 825};

// The design in twips, within the client area.
constexpr int kClientWidth = 6000;
constexpr int kClientHeight = 2760;
constexpr TwipRect kLabel1Place{180, 165, 5640, 210};
constexpr TwipRect kLocationPlace{180, 435, 5640, 1230};
constexpr TwipRect kMustBeginPlace{180, 1785, 5640, 255};
constexpr TwipRect kOkPlace{3390, 2235, 1125, 345};
constexpr TwipRect kCancelPlace{4695, 2235, 1125, 345};

// No ES_WANTRETURN: Enter in the text box presses the default button.
constexpr DWORD kEditStyle = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                             ES_AUTOVSCROLL | ES_AUTOHSCROLL;

// prgLang of the dialog, in this order.
constexpr std::pair<const char*, int> kTexts[] = {
    {"HIVECARE_EXCLUDE_1", 0},
    {"HIVECARE_EXCLUDE_2", kChkMustBegin},
    {"HIVECARE_EXCLUDE_3", kCancelButton},
    {"HIVECARE_EXCLUDE_4", kOKButton},
    {"HIVECARE_EXCLUDE_5", kExcludeLabel1},
};

constexpr char kCancelled[] = "HIVECARE_EXCLUDE_STRING_3";
constexpr char kAccepted[] = "HIVECARE_EXCLUDE_STRING_6";

}  // namespace

ExcludeDialog::ExcludeDialog(common::TextSource& texts, platform::MessageBoxes& boxes)
    : texts_(texts), boxes_(boxes), fonts_(layout_.dpi()) {}

ExcludeDialog::~ExcludeDialog() { Destroy(); }  // before the fonts its controls use

bool ExcludeDialog::Create(HWND owner) {
  RECT outer{0, 0, layout_.Px(kClientWidth), layout_.Px(kClientHeight)};
  AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
  if (!CreateWindowOf(kExcludeDialogClass, L"", kStyle, kExStyle, 0, 0, outer.right - outer.left,
                      outer.bottom - outer.top, owner,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) {
    return false;
  }
  CreateControls();
  SetTexts();
  platform::SetWindowIcon(hwnd(), L"AAA", true);
  CentreOnScreen(hwnd());
  choice_ = texts_.GetText(kCancelled);  // whatever the caller set before
  return true;
}

void ExcludeDialog::CreateControls() {
  struct Design {
    int id;
    const wchar_t* window_class;
    DWORD style;
    TwipRect place;
    DWORD ex_style;
  };
  const Design controls[] = {
      {kExcludeLabel1, L"STATIC", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kLabel1Place, 0},
      {kTxtLocation, L"EDIT", kEditStyle, kLocationPlace, WS_EX_CLIENTEDGE},
      {kChkMustBegin, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, kMustBeginPlace, 0},
      {kOKButton, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, kOkPlace, 0},
      {kCancelButton, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kCancelPlace, 0},
  };
  for (const Design& c : controls) {
    CreateControl(hwnd(), c.id, c.window_class, c.style, layout_.Rect(c.place),
                  fonts_.Get(kTahoma825), L"", c.ex_style);
  }
}

void ExcludeDialog::SetTexts() {
  for (const auto& [text_id, id] : kTexts) {
    SetText(id == 0 ? hwnd() : GetDlgItem(hwnd(), id), texts_.GetText(text_id));
  }
}

void ExcludeDialog::Fill(const repair::ExcludeDialogResult& initial) {
  SetText(GetDlgItem(hwnd(), kTxtLocation), initial.text);
  Button_SetCheck(GetDlgItem(hwnd(), kChkMustBegin),
                  initial.must_begin ? BST_CHECKED : BST_UNCHECKED);
}

std::string ExcludeDialog::Location() const {
  return hwnd() ? GetText(GetDlgItem(hwnd(), kTxtLocation)) : std::string();
}

bool ExcludeDialog::MustBegin() const {
  return hwnd() && Button_GetCheck(GetDlgItem(hwnd(), kChkMustBegin)) == BST_CHECKED;
}

// The owner stays disabled while the dialog is up; a WM_QUIT ends the loop
// and is left for the program's own loop.
void ExcludeDialog::ShowModal() {
  HWND owner = GetWindow(hwnd(), GW_OWNER);
  const bool owner_was_enabled = owner && IsWindowEnabled(owner);
  if (owner) EnableWindow(owner, FALSE);
  shown_ = true;
  ShowWindow(hwnd(), SW_SHOW);
  SetFocus(GetDlgItem(hwnd(), kTxtLocation));
  MSG msg{};
  while (shown_ && hwnd()) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (IsDialogMessageW(hwnd(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // Enabled before the dialog goes, so that the owner is activated again.
  if (owner_was_enabled) EnableWindow(owner, TRUE);
  if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void ExcludeDialog::OnOk() {
  HWND location = GetDlgItem(hwnd(), kTxtLocation);
  const repair::ExcludeTextProblem problem = repair::CheckExcludeText(GetText(location));
  if (problem != repair::ExcludeTextProblem::kNone) {
    boxes_.Show(hwnd(), texts_.GetText(repair::ExcludeTextMessageId(problem)),
                texts_.GetText("HIVECARE_EXCLUDE_STRING_5"),
                scan::kMbOk | scan::kMbIconInformation);
    SetFocus(location);
    return;
  }
  Close(kAccepted);
}

// Hidden, not destroyed: the caller still reads the text and the option.
void ExcludeDialog::Close(const char* choice_id) {
  choice_ = texts_.GetText(choice_id);
  shown_ = false;
  ShowWindow(hwnd(), SW_HIDE);
}

LRESULT ExcludeDialog::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case DM_GETDEFID:
      return MAKELRESULT(kOKButton, DC_HASDEFID);
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED || lparam == 0) {
        if (LOWORD(wparam) == kOKButton) OnOk();
        if (LOWORD(wparam) == kCancelButton) Close(kCancelled);
      }
      return 0;
    case WM_CLOSE:
      Close(kCancelled);
      return 0;
    default:
      return DefWindowProcW(hwnd(), msg, wparam, lparam);
  }
}

}  // namespace shell
