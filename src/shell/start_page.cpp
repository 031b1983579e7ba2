#include "shell/start_page.h"

#include <utility>

#include "platform/win32/process_starter.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/web_page.h"
#include "platform/win32/window_icon.h"
#include "shell/artwork.h"
#include "shell/controls.h"
#include "shell/main_window.h"  // LinkId

namespace shell {

namespace {

// A fixed dialog frame with neither close box nor minimise or maximise
// button: the page is left only through its buttons and links.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;
constexpr int kWindowWidth = 10950;  // outer, twips
constexpr int kFooterBottom = 8100;  // the client area ends with the footer band

constexpr TwipRect kBanner[] = {{-60, 0, 6060, 975}, {5865, 0, 6060, 975}};
constexpr TwipRect kPicture{615, 1440, 2835, 3750};
constexpr TwipRect kNotePicture{4275, 4590, 240, 240};
constexpr TwipRect kFooter[] = {{0, 7440, 7125, 660}, {6285, 7440, 7125, 660}};

constexpr FontStyle kArial1125{L"Arial", 1125};
constexpr FontStyle kArialLink{L"Arial", 900, false, true};
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kButton = WS_VISIBLE | WS_TABSTOP;

// prgLang, in this order; lblLinks(0) and lblLinks(9) keep their captions.
constexpr std::pair<const char*, int> kTexts[] = {
    {"HIVECARE_1", 0},
    {"HIVECARE_2", kStartCancelButton},
    {"HIVECARE_3", kStartOKButton},
    {"HIVECARE_4", kStartLabel4},
    {"HIVECARE_5", kStartLabel3},
    {"HIVECARE_6", kStartLabel2},
    {"HIVECARE_7", kStartLabel1},
    {"HIVECARE_8", kStartLabel6},
};

}  // namespace

StartPage::StartPage(common::TextSource& texts, platform::MessageBoxes& boxes,
                     std::string program_folder, StartPageOwner& owner)
    : texts_(texts),
      boxes_(boxes),
      program_folder_(std::move(program_folder)),
      owner_(owner),
      fonts_(layout_.dpi()),
      link_art_(layout_.dpi()) {
  const int picture_width = layout_.Px(kPicture.width);
  picture_ = MakeArrowBullet(picture_width / 2, RGB(120, 176, 240), RGB(28, 74, 150));
  note_picture_ = MakeArrowBullet(layout_.Px(kNotePicture.width), RGB(255, 196, 92),
                                  RGB(214, 128, 24));
}

StartPage::~StartPage() {
  Destroy();  // the controls go before the fonts they use
  DeleteObject(picture_);
  DeleteObject(note_picture_);
}

bool StartPage::Create(HWND main_window) {
  if (!CreateWindowOf(L"TidemarkStart", L"Norvane Hivecare for Vista", kStyle, kExStyle,
                      CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, main_window,
                      static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)))) {
    return false;
  }
  SizeWindow();
  CreateControls();
  background_.Make(hwnd(), [this](HDC dc, const RECT& client) { Paint(dc, client); });
  // Form_Load.
  SetTexts();
  CentreOnScreen(hwnd());
  platform::SetWindowIcon(hwnd(), L"AAA", true);
  return true;
}

HWND StartPage::control(int id) const {
  if (id == 0) return hwnd();
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

// As wide as designed; as tall as the footer band plus whatever frame and
// caption the system draws, so the buttons on the band stay in view.
void StartPage::SizeWindow() {
  FitWindow(hwnd(), layout_.Px(kWindowWidth), layout_.Px(kFooterBottom));
}

HWND StartPage::Add(int id, const wchar_t* window_class, DWORD style, const TwipRect& place,
                    const FontStyle& font, const wchar_t* text) {
  return controls_[id] = CreateControl(hwnd(), id, window_class, style | WS_CLIPSIBLINGS,
                                       layout_.Rect(place), fonts_.Get(font), text);
}

HWND StartPage::AddLink(int id, int left, int top, const FontStyle& font, const wchar_t* text) {
  HWND link = controls_[id] =
      link_art_.Create(hwnd(), id, layout_.Px(left), layout_.Px(top), fonts_.Get(font));
  link_art_.SetText(link, platform::WideToUtf8(text));
  return link;
}

void StartPage::CreateControls() {
  Add(kStartLabel6, L"STATIC", kLabel, {615, 375, 0, 0}, kArial1125,
      L"Welcome to Norvane Hivecare for Vista");
  text_colours_[control(kStartLabel6)] = RGB(255, 255, 255);
  Add(kStartLabel2, L"STATIC", kLabel, {4275, 1590, 5900, 990}, kArial9,
      L"Use this program to fix problems with your Windows Vista, by cleaning your Windows "
      L"Registry and eliminate invalid or dangerous entries and references due to program "
      L"installing, Internet activity or unstalling or due to Windows normal activity.");
  Add(kStartLabel3, L"STATIC", kLabel, {4275, 2655, 5895, 1425}, kArial9,
      L"Your Windows Vista will become faster and stable by performing the registry cleaning "
      L"and fix the problems.");
  Add(kStartLabel4, L"STATIC", kLabel, {4635, 4575, 5250, 1500}, kArial9,
      L"Remember that hadling the registry is a task that could cause problems in your system. "
      L"Norvane Hivecare can undo changes done in your registry by creating a Windows Registry "
      L"Backup, therefore we recommend you to create a restoration point before performing any "
      L"cleaning.");
  text_colours_[control(kStartLabel4)] = RGB(128, 128, 128);
  AddLink(kStartLabel1, 4635, 6060, kArialLink, L"Create a Windows Registry Backup");
  AddLink(LinkId(9), 4635, 6675, kLinkFont, L"Click here for more Windows Utilities && Fixes");
  AddLink(LinkId(0), 585, 7680, kLinkFont, L"Change Language");
  Add(kStartOKButton, L"BUTTON", kButton | BS_DEFPUSHBUTTON, {7395, 7650, 1600, 345}, kArial9,
      L"&Next >");
  Add(kStartCancelButton, L"BUTTON", kButton | BS_PUSHBUTTON, {9165, 7635, 1600, 345}, kArial9,
      L"Exit");
}

void StartPage::Paint(HDC dc, const RECT& client) const {
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  for (const TwipRect& copy : kBanner) DrawBanner(dc, layout_.Rect(copy));
  DrawPictureCard(dc, layout_.Rect(kPicture), picture_);
  const RECT note = layout_.Rect(kNotePicture);
  DrawAlphaBitmap(dc, note_picture_, note.left, note.top);
  for (const TwipRect& copy : kFooter) DrawFooterBand(dc, layout_.Rect(copy));
}

// prgLang. A text the library lacks leaves its caption empty.
void StartPage::SetTexts() {
  for (const auto& [text_id, id] : kTexts) {
    const std::string text = texts_.GetText(text_id);
    if (id == kStartLabel1) {
      link_art_.SetText(control(id), text);
    } else {
      SetText(control(id), text);
    }
  }
  SizeToText(control(kStartLabel6));
}

LRESULT StartPage::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_CLOSE:
      return 0;  // no close box, and Alt+F4 does not stand in for one
    case DM_GETDEFID:  // Enter presses "&Next >"
      return MAKELRESULT(kStartOKButton, DC_HASDEFID);
    case WM_ERASEBKGND:
      background_.Erase(hwnd(), reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      HWND target = reinterpret_cast<HWND>(lparam);
      auto colour = text_colours_.find(target);
      SetTextColor(dc, colour == text_colours_.end() ? GetSysColor(COLOR_WINDOWTEXT)
                                                     : colour->second);
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(background_.For(hwnd(), dc, target));
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (IsLink(item.hwndItem)) {
        link_art_.Draw(item, background_.For(hwnd(), item.hDC, item.hwndItem));
      }
      return TRUE;
    }
    case WM_SETCURSOR:
      if (IsLink(reinterpret_cast<HWND>(wparam))) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd(), msg, wparam, lparam);
}

bool StartPage::IsLink(HWND target) const {
  for (int id : {static_cast<int>(kStartLabel1), LinkId(0), LinkId(9)}) {
    if (control(id) == target) return true;
  }
  return false;
}

// Whatever the owner does may end this window: nothing follows its calls.
void StartPage::OnCommand(int id, int code) {
  if (code != BN_CLICKED && code != STN_CLICKED) return;  // the same number
  switch (id) {
    case kStartOKButton:
      owner_.StartPageNext();
      break;
    case kStartCancelButton:
      owner_.StartPageExit();
      break;
    case kStartLabel1:
      // Each click starts one more copy; a missing program starts nothing.
      platform::StartProgram(program_folder_ + "\\hivesafe.exe");
      break;
    case LinkId(0):
      owner_.ChangeLanguage();
      break;
    case LinkId(9):
      platform::OpenWebPage(hwnd(), platform::kMakerWebAddress, program_folder_, boxes_);
      break;
    default:
      break;
  }
}

}  // namespace shell
