// The main window's design: every control at its place in twips, with its
// font and design caption, and the pictures behind them.
#include "shell/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/text_convert.h"
#include "shell/artwork.h"
#include "shell/controls.h"

namespace shell {

namespace {

constexpr int kWindowWidth = 10920;  // outer, twips
// The footer band ends at 7455 + 660; the status bar docks below it.
constexpr int kFooterBottom = 8115;

// Places of the pictures behind the controls, twips.
constexpr TwipRect kBanner[] = {{0, 0, 6060, 975}, {5925, 0, 6060, 975}};
constexpr TwipRect kCountBand{0, 1095, 12000, 900};
constexpr TwipRect kShape1{9645, 1110, 930, 855};
constexpr TwipRect kLine1{330, 6570, 10620 - 330, 15};
constexpr TwipRect kFooter[] = {{-60, 7455, 7125, 660}, {6300, 7455, 7125, 660}};
constexpr COLORREF kPaleGrey = RGB(224, 224, 224);

// Controls outside the visible area: reachable by keyboard, never seen.
constexpr int kBelow = 9000;

constexpr FontStyle kTahoma825{L"Tahoma", 825};
constexpr FontStyle kTahoma1125{L"Tahoma", 1125};
constexpr FontStyle kTahoma975Bold{L"Tahoma", 975, true};
constexpr FontStyle kBoldLinkFont{L"Tahoma", 900, true, true};

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kList = WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
constexpr DWORD kPushButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

}  // namespace

HWND MainWindow::Add(int id, const wchar_t* window_class, DWORD style, const TwipRect& place,
                     const FontStyle& font, const wchar_t* text, HWND parent, DWORD ex_style) {
  HWND control = CreateControl(parent ? parent : hwnd(), id, window_class,
                               style | WS_CLIPSIBLINGS, layout_.Rect(place), fonts_.Get(font),
                               text, ex_style);
  controls_[id] = control;
  return control;
}

HWND MainWindow::AddLink(int index, int left, int top, bool bold, const wchar_t* text,
                         HWND parent) {
  HWND link = link_art_.Create(parent ? parent : hwnd(), LinkId(index), layout_.Px(left),
                               layout_.Px(top), fonts_.Get(bold ? kBoldLinkFont : kLinkFont));
  controls_[LinkId(index)] = link;
  SetCaption(LinkId(index), platform::WideToUtf8(text));
  return link;
}

void MainWindow::CreateControls() {
  Add(kLabel7, L"STATIC", kLabel, {675, 375, 0, 0}, kTahoma1125,
      L"Welcome to Norvane Hivecare for Vista");
  text_colours_[control(kLabel7)] = RGB(255, 255, 255);
  Add(kLabel3, L"STATIC", kLabel, {1035, 1275, 0, 0}, kTahoma975Bold, L"Problems found");
  Add(kLabel1, L"STATIC", kLabel, {1035, 1515, 0, 0}, kTahoma1125,
      L"0 Registry Errors or Problems Found");
  text_colours_[control(kLabel1)] = RGB(64, 64, 64);
  for (int id : {kLabel7, kLabel3, kLabel1}) SizeToText(control(id));

  HWND clip = Add(kAnmSearch, ANIMATE_CLASSW, WS_VISIBLE | ACS_TRANSPARENT | ACS_CENTER,
                  {9795, 1230, 615, 585}, kArial9);
  plain_backgrounds_[clip] = white_brush_;

  HWND problems = Add(kLvInvalidLoc, WC_LISTVIEWW, kList & ~LVS_SINGLESEL,
                      {330, 2055, 10275, 3885}, kArial9, L"", nullptr, WS_EX_CLIENTEDGE);
  ListView_SetExtendedListViewStyle(problems, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  const std::pair<int, const wchar_t*> columns[] = {
      {4500, L"Invalid data location"}, {1500, L"Value name"}, {2500, L"Value data"},
      {1500, L"Reason"},                {0, L"Reg type"},     {0, L"Attributes"}};
  for (int i = 0; i < 6; ++i) {
    AddColumn(problems, i, layout_.Px(columns[i].first), columns[i].second);
  }

  AddLink(6, 645, 6060, true, L"Repair selected");
  AddLink(5, 3315, 6060, true, L"Repair all");
  AddLink(4, 5460, 6060, true, L"Add to exclude list");
  for (int index : {4, 5, 6}) link_art_.Enable(control(LinkId(index)), false);
  AddLink(1, 720, 6975, false, L"Scan options");
  AddLink(3, 3045, 6975, false, L"Exclusions");
  AddLink(9, 720, 7710, false, L"Click here for more Windows Utilities && Fixes");
  AddLink(10, 4995, 7710, false, L"Change Language");

  Add(kCmdScan, L"BUTTON", kPushButton, {8370, 7635, 2280, 375}, kTahoma9,
      L"&Search for problems >");
  Add(kSBarMain, STATUSCLASSNAMEW, WS_VISIBLE | CCS_BOTTOM, {0, 0, 0, 0}, kArial9);

  // Below the visible area, as designed: the scan-now link, the progress
  // bar (an activity count nobody sees) and the buttons the links stand for.
  AddLink(0, 720, kBelow, false, L"Scan now");
  HWND progress = Add(kProgress, PROGRESS_CLASSW, WS_VISIBLE, {11130, 12645, 3285, 345}, kArial9);
  SendMessageW(progress, PBM_SETRANGE32, 0, 100);
  Add(kCmdRemoveSel, L"BUTTON", kPushButton, {330, kBelow + 400, 1695, 375}, kTahoma9,
      L"Remove &Selected");
  Add(kCmdRemoveAll, L"BUTTON", kPushButton, {2130, kBelow + 400, 1695, 375}, kTahoma9,
      L"Remove &All");
  Add(kCmdAddtoExcludeList, L"BUTTON", kPushButton, {3930, kBelow + 400, 1695, 375}, kTahoma9,
      L"Add to Exclude list");
}

// What the two pages share: a label over a list with check boxes, a
// picture, and a "< Back" link.
struct PageDesign {
  int id;
  int height;
  TwipRect picture;
  int label;
  const wchar_t* label_text;
  int list;
  TwipRect list_place;
  std::pair<int, const wchar_t*> columns[2];
  int back_link;
};

constexpr PageDesign kOptionsPage{
    kPicTab0, 6555, {7455, 240, 2835, 3750}, kLabel4,
    L"Select the area of registry to scan invalid information", kLvLocations,
    {375, 720, 6825, 4095}, {{2500, L"Scan"}, {8000, L"Description"}}, 7};
constexpr PageDesign kExclusionsPage{
    kPicTab2, 6570, {7590, 360, 2835, 3750}, kLabel5,
    L"Exclude the part of the registry that containes the following text", kLvExclude,
    {405, 720, 7020, 4275}, {{5000, L"Exclude"}, {2000, L"Must begin with this"}}, 8};

HWND MainWindow::AddPage(Page& page, const PageDesign& design) {
  // A page waits, hidden, where a shown page sits: left 0, top 930.
  page.Create(hwnd(), design.id, layout_.Rect({0, 930, 10875, design.height}),
              layout_.Rect(design.picture));
  HWND panel = controls_[design.id] = page.hwnd();
  Add(design.label, L"STATIC", kLabel, {390, 360, 0, 0}, kArial9, design.label_text, panel);
  SizeToText(control(design.label));
  HWND list = Add(design.list, WC_LISTVIEWW, kList, design.list_place, kArial9, L"", panel,
                  WS_EX_CLIENTEDGE);
  ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  for (int i = 0; i < 2; ++i) {
    AddColumn(list, i, layout_.Px(design.columns[i].first), design.columns[i].second);
  }
  AddLink(design.back_link, 360, 6105, false, L"< Back", panel);
  return panel;
}

void MainWindow::CreatePages() {
  HWND options = AddPage(pages_[0], kOptionsPage);
  HWND skip = Add(kChkSkipCDLan, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                  {375, 4965, 4890, 255}, kArial9,
                  L"Exclude references to CDROM and Network drives", options);
  Button_SetCheck(skip, BST_CHECKED);  // as designed; the settings decide at load
  plain_backgrounds_[skip] = page_grey_brush_;

  HWND exclusions = AddPage(pages_[1], kExclusionsPage);
  const std::pair<int, const wchar_t*> buttons[] = {
      {2445, L"&Add..."}, {4155, L"&Edit"}, {5865, L"&Remove"}};
  for (int i = 0; i < 3; ++i) {
    HWND button = Add(kCmdExclude0 + i, L"BUTTON", kPushButton,
                      {buttons[i].first, 5145, 1600, 345}, kTahoma825, buttons[i].second,
                      exclusions);
    plain_backgrounds_[button] = page_grey_brush_;
  }
}

// The window is as wide as designed and as tall as its footer plus the
// status bar, so that the footer's links and the scan button stay clear of
// the status bar whatever height the system gives caption and status bar.
void MainWindow::SizeWindow() {
  HWND status = control(kSBarMain);
  SendMessageW(status, WM_SIZE, 0, 0);  // takes the height its font needs
  RECT bar{};
  GetWindowRect(status, &bar);
  FitWindow(hwnd(), layout_.Px(kWindowWidth), layout_.Px(kFooterBottom) + (bar.bottom - bar.top));
  SendMessageW(status, WM_SIZE, 0, 0);
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int parts[2] = {client.right / 2, -1};
  SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void MainWindow::PaintBackground(HDC dc, const RECT& client) const {
  FillRect(dc, &client, white_brush_);
  for (const TwipRect& copy : kBanner) {
    DrawBanner(dc, layout_.Rect(copy));
  }
  FillGradient(dc, layout_.Rect(kCountBand), RGB(246, 249, 253), RGB(226, 235, 247));
  FramedBox(dc, layout_.Rect(kShape1), RGB(255, 255, 255), kPaleGrey);
  RECT line = layout_.Rect(kLine1);
  line.bottom = line.top + 1;
  FramedBox(dc, line, kPaleGrey, kPaleGrey);
  for (const TwipRect& copy : kFooter) {
    DrawFooterBand(dc, layout_.Rect(copy));
  }
}

void MainWindow::MakeBackground() {
  background_.Make(hwnd(), [this](HDC dc, const RECT& client) { PaintBackground(dc, client); });
}

}  // namespace shell
