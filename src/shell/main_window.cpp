#include "shell/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

#include "platform/win32/process_starter.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/web_page.h"
#include "platform/win32/window_icon.h"
#include "repair/exclude_text_check.h"
#include "repair/preferences.h"
#include "scan/scan_area.h"
#include "shell/controls.h"
#include "shell/exclude_dialog.h"

namespace shell {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

}  // namespace

MainWindow::MainWindow(platform::Registry& registry, platform::FileSystem& files,
                       common::TextSource& texts, platform::MessageBoxes& boxes,
                       std::string program_folder)
    : registry_(registry),
      boxes_(boxes),
      texts_(texts),
      program_folder_(std::move(program_folder)),
      fonts_(layout_.dpi()),
      link_art_(layout_.dpi()),
      white_brush_(CreateSolidBrush(RGB(255, 255, 255))),
      page_grey_brush_(CreateSolidBrush(RGB(252, 252, 252))),
      engine_(registry, files, texts, *this, kept_),
      repairer_(registry, texts, *this, kept_),
      exclusions_(files, texts, *this, kept_, program_folder_ + "\\Exclude.lst") {}

MainWindow::~MainWindow() {
  Destroy();  // the controls go before the fonts and brushes they use
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(white_brush_),
                         static_cast<HGDIOBJ>(page_grey_brush_)}) {
    if (object) DeleteObject(object);
  }
}

bool MainWindow::Create(const wchar_t* instance_name) {
  // Sized once its status bar is there to measure.
  if (!CreateWindowOf(L"TidemarkMain", L"", kStyle, WS_EX_CONTROLPARENT, CW_USEDEFAULT,
                      CW_USEDEFAULT, 0, 0)) {
    return false;
  }
  pump_.set_dialog(hwnd());
  CreateControls();
  CreatePages();
  SizeWindow();
  MakeBackground();
  if (Load(instance_name)) return true;
  Destroy();  // another copy runs: this one ends unseen
  return false;
}

StartPage* MainWindow::start_page() const {
  return start_page_ && start_page_->hwnd() ? start_page_.get() : nullptr;
}

HWND MainWindow::control(int id) const {
  if (id == 0) return hwnd();
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

// Form_Load: texts, icon, place, then (unless another copy runs) the
// user's settings and rules, the idle caption of the scan button and the
// start page. The window itself stays invisible until "&Next >".
bool MainWindow::Load(const wchar_t* instance_name) {
  SetTexts();
  platform::SetWindowIcon(hwnd(), L"AAA", true);
  CentreOnScreen(hwnd());
  if (instance_name && !instance_.Claim(instance_name)) {
    another_copy_running_ = true;
    return false;
  }
  SetInitValues();
  SetScanCaption(texts_.GetText("HIVECARE_REGCLEANER_STRING_305"));
  ShowStartPage();
  return true;
}

// Loading the skip-drives preference stores "0" itself when the box ends up
// cleared (its click handler would have); setting the box here is silent.
void MainWindow::SetInitValues() {
  FillLocations();
  Button_SetCheck(control(kChkSkipCDLan),
                  repair::LoadSkipCdLan(registry_) ? BST_CHECKED : BST_UNCHECKED);
  exclusions_.LoadExclude();
}

void MainWindow::FillLocations() {
  HWND list = control(kLvLocations);
  areas_ = scan::LoadLocations(registry_, texts_);
  filling_ = true;
  ListView_DeleteAllItems(list);
  for (const scan::ScanArea& area : areas_) {
    ListView_SetCheckState(list, AppendRow(list, {area.name, area.description}), area.checked);
  }
  filling_ = false;
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lparam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnCtlColor(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wparam))) return TRUE;
      break;
    case WM_ERASEBKGND:
      background_.Erase(hwnd(), reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_DESTROY:
      // A scan running under this close unwinds at its next stop test.
      scan_caption_ = kept_.idle_caption;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd(), msg, wparam, lparam);
}

void MainWindow::OnCommand(int id, int code) {
  if (id >= kLinks && id < kLinks + kLinkCount) {
    if (code == STN_CLICKED) OnLinkClicked(id - kLinks);
    return;
  }
  if (code != BN_CLICKED) return;
  if (id >= kCmdExclude0 && id <= kCmdExclude2) {
    exclusions_.OnExcludeButton(id - kCmdExclude0);
    return;
  }
  switch (id) {
    case kCmdScan:
      PressScan();
      break;
    case kCmdRemoveSel:
      repairer_.OnRemoveSelected();
      break;
    case kCmdRemoveAll:
      repairer_.OnRemoveAll();
      break;
    case kCmdAddtoExcludeList:
      exclusions_.OnAddToExcludeList();
      break;
    case kChkSkipCDLan:
      repair::SaveSkipCdLan(registry_, SkipCdLan());
      break;
    default:
      break;
  }
}

// A check box ticked or cleared in lvLocations or lvExclude: stored at once.
void MainWindow::OnNotify(const NMHDR& header) {
  if (header.code == LVN_COLUMNCLICK && header.idFrom == kLvInvalidLoc) {
    OnColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
    return;
  }
  if (header.code != LVN_ITEMCHANGED || filling_) return;
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  const bool check_changed = (change.uChanged & LVIF_STATE) &&
                             ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK);
  if (!check_changed || change.iItem < 0) return;
  if (header.idFrom == kLvLocations) {
    scan::SaveFileTypes(registry_, ScanAreas());
  } else if (header.idFrom == kLvExclude &&
             change.iItem < static_cast<int>(rules_.size())) {
    rules_[change.iItem].enabled = ListView_GetCheckState(header.hwndFrom, change.iItem) != 0;
    exclusions_.OnRuleChecked();
  }
}

// Form_Unload: the area choices are stored once more, then the program ends.
void MainWindow::OnClose() {
  scan::SaveFileTypes(registry_, ScanAreas());
  DestroyWindow(hwnd());
}

// cmdScan_Click, also run by the scan-now link.
void MainWindow::PressScan() {
  pump_.Defer();
  engine_.OnScanPressed();
}

// lblLinks_Click.
void MainWindow::OnLinkClicked(int index) {
  switch (index) {
    case 0:
      PressScan();
      break;
    case 1:
      ShowPage(kPicTab0, true);
      break;
    case 3:
      ShowPage(kPicTab2, true);
      break;
    case 4:
      exclusions_.OnAddToExcludeList();
      break;
    case 5:
      repairer_.OnRemoveAll();
      break;
    case 6:
      repairer_.OnRemoveSelected();
      break;
    case 7:
      ShowPage(kPicTab0, false);
      break;
    case 8:
      ShowPage(kPicTab2, false);
      break;
    case 9:
      platform::OpenWebPage(hwnd(), platform::kMakerWebAddress, program_folder_, boxes_);
      break;
    case 10:
      ChangeLanguage();
      break;
    default:
      break;
  }
}

// A shown page lies over the count area, the list and both link rows; the
// scan button stays in view but cannot start a scan until the page closes.
void MainWindow::ShowPage(int id, bool shown) {
  HWND page = control(id);
  if (shown) {
    const RECT place = layout_.Rect({0, 930, 0, 0});
    SetWindowPos(page, HWND_TOP, place.left, place.top, 0, 0, SWP_NOSIZE);
    EnableWindow(page, TRUE);
    ShowWindow(page, SW_SHOW);
  } else {
    ShowWindow(page, SW_HIDE);
  }
  EnableWindow(control(kCmdScan), !shown);
}

HBRUSH MainWindow::BackgroundFor(HDC dc, HWND control) const {
  if (auto it = plain_backgrounds_.find(control); it != plain_backgrounds_.end()) {
    return it->second;
  }
  if (GetParent(control) != hwnd()) return white_brush_;  // on a page
  return background_.For(hwnd(), dc, control);
}

LRESULT MainWindow::OnCtlColor(HDC dc, HWND control) {
  auto colour = text_colours_.find(control);
  SetTextColor(dc, colour == text_colours_.end() ? GetSysColor(COLOR_WINDOWTEXT) : colour->second);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(BackgroundFor(dc, control));
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (IsLink(item.hwndItem)) link_art_.Draw(item, BackgroundFor(item.hDC, item.hwndItem));
}

bool MainWindow::IsLink(HWND control) const {
  const int id = GetDlgCtrlID(control);
  return id >= kLinks && id < kLinks + kLinkCount && this->control(id) == control;
}

bool MainWindow::OnSetCursor(HWND under_cursor) {
  if (busy_) {
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
  }
  if (IsLink(under_cursor) && IsWindowEnabled(under_cursor)) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
  }
  return false;
}

// scan::ScanWindow

void MainWindow::SetScanCaption(const std::string& caption) { SetCaption(kCmdScan, caption); }

void MainWindow::SetScanLinkCaption(const std::string& caption) {
  SetCaption(LinkId(0), caption);
}

void MainWindow::ClearProblems() { ListView_DeleteAllItems(control(kLvInvalidLoc)); }

void MainWindow::AppendProblem(const scan::ProblemEntry& entry) {
  AppendRow(control(kLvInvalidLoc), {entry.location, entry.value_name, entry.value_data,
                                      entry.reason, entry.reg_type, entry.attributes},
            ProblemRowPlace(entry));
}

void MainWindow::EnableProblemList(bool enabled) {
  EnableWindow(control(kLvInvalidLoc), enabled);
}

void MainWindow::SetCountLabel(const std::string& text) { SetCaption(kLabel1, text); }

void MainWindow::SetStatusPanel(int panel, const std::string& text) {
  const std::wstring wide = platform::Utf8ToWide(text);
  SendMessageW(control(kSBarMain), SB_SETTEXTW, panel - 1, reinterpret_cast<LPARAM>(wide.c_str()));
}

void MainWindow::ShowProgress(bool shown) {
  ShowWindow(control(kProgress), shown ? SW_SHOW : SW_HIDE);
}

void MainWindow::SetProgress(int value) { SendMessageW(control(kProgress), PBM_SETPOS, value, 0); }

void MainWindow::SetBusyCursor(bool busy) {
  busy_ = busy;
  SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

// A missing or unreadable clip leaves the control empty; the scan goes on.
void MainWindow::PlayClip(const std::string& path) {
  HWND clip = control(kAnmSearch);
  const std::wstring wide = platform::Utf8ToWide(path);
  if (SendMessageW(clip, ACM_OPENW, 0, reinterpret_cast<LPARAM>(wide.c_str()))) {
    SendMessageW(clip, ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, 0xFFFF));
  }
}

void MainWindow::StopClip() {
  HWND clip = control(kAnmSearch);
  SendMessageW(clip, ACM_STOP, 0, 0);
  SendMessageW(clip, ACM_OPENW, 0, 0);
  InvalidateRect(clip, nullptr, TRUE);  // a closed clip leaves its last frame behind
}

void MainWindow::EnableLink(int index, bool enabled) {
  if (HWND link = control(LinkId(index))) link_art_.Enable(link, enabled);
}

// Closed during a scan, the program is ending: the unwinding scan has
// nothing left to tell anyone.
int MainWindow::ShowMessage(const std::string& text, const std::string& title, unsigned style) {
  if (!hwnd()) return scan::kIdOk;
  return boxes_.Show(hwnd(), text, title, style);
}

bool MainWindow::SkipCdLan() {
  return Button_GetCheck(control(kChkSkipCDLan)) == BST_CHECKED;
}

std::vector<scan::ScanArea> MainWindow::ScanAreas() {
  HWND list = control(kLvLocations);
  std::vector<scan::ScanArea> areas = areas_;
  for (size_t i = 0; i < areas.size(); ++i) {
    areas[i].checked = ListView_GetCheckState(list, static_cast<int>(i)) != 0;
  }
  return areas;
}

// repair::RepairWindow

int MainWindow::ProblemRowCount() { return ListView_GetItemCount(control(kLvInvalidLoc)); }

scan::ProblemEntry MainWindow::ProblemRow(int index) {
  HWND list = control(kLvInvalidLoc);
  return {ItemText(list, index, 0), ItemText(list, index, 1), ItemText(list, index, 2),
          ItemText(list, index, 3), ItemText(list, index, 4), ItemText(list, index, 5)};
}

bool MainWindow::ProblemRowSelected(int index) {
  return ListView_GetItemState(control(kLvInvalidLoc), index, LVIS_SELECTED) != 0;
}

void MainWindow::RemoveProblemRow(int index) { ListView_DeleteItem(control(kLvInvalidLoc), index); }

std::optional<int> MainWindow::SelectedProblemRow() {
  HWND list = control(kLvInvalidLoc);
  int row = ListView_GetNextItem(list, -1, LVNI_SELECTED | LVNI_FOCUSED);
  if (row < 0) row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  return row < 0 ? std::nullopt : std::optional<int>(row);
}

void MainWindow::ShowExcludeRules() {
  HWND list = control(kLvExclude);
  filling_ = true;
  ListView_DeleteAllItems(list);
  for (const scan::ExcludeRule& rule : rules_) {
    ListView_SetCheckState(list, AppendRow(list, {rule.text, rule.must_begin}), rule.enabled);
  }
  filling_ = false;
}

std::optional<int> MainWindow::SelectedExcludeRule() {
  const int row = ListView_GetNextItem(control(kLvExclude), -1, LVNI_SELECTED);
  return row < 0 ? std::nullopt : std::optional<int>(row);
}

void MainWindow::ScrollExcludeRuleIntoView(int index) {
  ListView_EnsureVisible(control(kLvExclude), index, FALSE);
}

// A new dialog each time; its Choice is read before it goes.
repair::ExcludeDialogResult MainWindow::ShowExcludeDialog(
    const repair::ExcludeDialogResult& initial) {
  ExcludeDialog dialog(texts_, boxes_);
  if (!dialog.Create(hwnd())) return {};
  dialog.Fill(initial);
  dialog.ShowModal();
  return {repair::ChoiceConfirms(texts_, dialog.Choice()), dialog.Location(), dialog.MustBegin()};
}

void MainWindow::HideMainWindow() { ShowWindow(hwnd(), SW_HIDE); }

// Shown by the load step and again after "Repair all", loaded anew each time.
void MainWindow::ShowStartPage() {
  start_page_ = std::make_unique<StartPage>(texts_, boxes_, program_folder_,
                                            static_cast<StartPageOwner&>(*this));
  if (start_page_->Create(hwnd())) ShowWindow(start_page_->hwnd(), SW_SHOW);
}

// "&Next >": this window comes back as it was; the start page goes. Its
// object stays until the next showing, as its handler is still running.
void MainWindow::StartPageNext() {
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  if (start_page_ && start_page_->hwnd()) DestroyWindow(start_page_->hwnd());
}

// "Exit" ends the program at once: the close step (storing the areas) is
// skipped, and the start page, which this window owns, goes with it.
void MainWindow::StartPageExit() { DestroyWindow(hwnd()); }

// Both "Change Language" links. The language changer restarts tidemark in
// the new language, so this copy ends; when it cannot start, nothing changes.
void MainWindow::ChangeLanguage() {
  if (platform::StartProgram(program_folder_ + "\\language.exe")) DestroyWindow(hwnd());
}

}  // namespace shell
