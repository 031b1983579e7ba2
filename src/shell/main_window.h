// tidemark's main window (frmRegCleaner): the problem list a scan fills,
// the scan button, the count line, the links and the two pages laid over
// the list. It is the view of the scan, the repair and the exclusion list:
// they reach the controls only through scan::ScanWindow and
// repair::RepairWindow, and each runs inside the click handler that starts it.
#pragma once

#include <windows.h>
#undef Yield  // an empty macro of 16-bit Windows that would swallow RepairWindow::Yield

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/text_source.h"
#include "platform/file_system.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "repair/exclusion_list.h"
#include "repair/repair.h"
#include "repair/repair_window.h"
#include "scan/kept_texts.h"
#include "scan/scan_engine.h"
#include "scan/scan_window.h"
#include "platform/win32/single_instance.h"
#include "shell/background.h"
#include "shell/base_window.h"
#include "shell/fonts.h"
#include "shell/layout.h"
#include "shell/link_label.h"
#include "shell/message_pump.h"
#include "shell/page.h"
#include "shell/start_page.h"

namespace shell {

// Control IDs. The link array lblLinks(i) has the IDs kLinks + i.
enum ControlId : int {
  kLabel7 = 100,
  kLabel3,
  kLabel1,
  kAnmSearch,
  kLvInvalidLoc,
  kCmdScan,
  kSBarMain,
  kProgress,
  kCmdRemoveSel,
  kCmdRemoveAll,
  kCmdAddtoExcludeList,
  kPicTab0,
  kPicTab2,
  kLabel4,
  kLvLocations,
  kChkSkipCDLan,
  kLabel5,
  kLvExclude,
  kCmdExclude0,
  kCmdExclude1,
  kCmdExclude2,
  kLinks = 200,
};
inline constexpr int kLinkCount = 11;  // lblLinks(0) .. lblLinks(10); 2 is not used
constexpr int LinkId(int index) { return kLinks + index; }

struct PageDesign;

class MainWindow : public BaseWindow<MainWindow>,
                   public scan::ScanWindow,
                   public repair::RepairWindow,
                   private StartPageOwner {
 public:
  // `program_folder`: where the program and its clip are, no trailing "\".
  MainWindow(platform::Registry& registry, platform::FileSystem& files,
             common::TextSource& texts, platform::MessageBoxes& boxes,
             std::string program_folder);
  ~MainWindow() override;

  // Creates the window, invisible, and runs its load step: texts, icon,
  // centred on the screen, the single-instance test, the settings and the
  // exclusion rules, then the start page. False when it cannot be created
  // or when another copy runs (another_copy_running() tells which).
  // `instance_name`: the session-wide name a running copy holds (e.g.
  // L"Local\\HivecareTidemark"); null for no test.
  bool Create(const wchar_t* instance_name = nullptr);
  bool another_copy_running() const { return another_copy_running_; }
  // The start page while it is open, else null.
  StartPage* start_page() const;
  // A control by its ID (null for an unknown one); the window for 0.
  HWND control(int id) const;

  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);

  // scan::ScanWindow (Yield, ShowMessage and SetCountLabel serve
  // repair::RepairWindow too)
  std::string ScanCaption() override { return scan_caption_; }
  void SetScanCaption(const std::string& caption) override;
  void SetScanLinkCaption(const std::string& caption) override;
  void Yield() override { pump_.Yield(); }
  void ClearProblems() override;
  void AppendProblem(const scan::ProblemEntry& entry) override;
  void EnableProblemList(bool enabled) override;
  void SetCountLabel(const std::string& text) override;
  void SetStatusPanel(int panel, const std::string& text) override;
  void ShowProgress(bool shown) override;
  void SetProgress(int value) override;
  void SetBusyCursor(bool busy) override;
  void PlayClip(const std::string& path) override;
  void StopClip() override;
  void EnableLink(int index, bool enabled) override;
  int ShowMessage(const std::string& text, const std::string& title, unsigned style) override;
  bool SkipCdLan() override;
  std::vector<scan::ScanArea> ScanAreas() override;
  const std::vector<scan::ExcludeRule>& ExcludeRules() override { return rules_; }
  std::string ProgramFolder() override { return program_folder_; }

  // repair::RepairWindow
  int ProblemRowCount() override;
  scan::ProblemEntry ProblemRow(int index) override;
  bool ProblemRowSelected(int index) override;
  void RemoveProblemRow(int index) override;
  std::optional<int> SelectedProblemRow() override;
  std::vector<scan::ExcludeRule>& ExcludeRulesModel() override { return rules_; }
  void ShowExcludeRules() override;
  std::optional<int> SelectedExcludeRule() override;
  void ScrollExcludeRuleIntoView(int index) override;
  repair::ExcludeDialogResult ShowExcludeDialog(
      const repair::ExcludeDialogResult& initial) override;
  void HideMainWindow() override;
  void ShowStartPage() override;

 private:
  // main_window_layout.cpp: the design, control by control.
  void SizeWindow();
  void CreateControls();
  void CreatePages();
  HWND AddPage(Page& page, const PageDesign& design);
  void PaintBackground(HDC dc, const RECT& client) const;
  // main_window_texts.cpp: prgLang2.
  void SetTexts();
  void SetCaption(int id, const std::string& text);

  bool Load(const wchar_t* instance_name);
  // StartPageOwner
  void StartPageNext() override;
  void StartPageExit() override;
  void ChangeLanguage() override;
  void SetInitValues();
  void FillLocations();
  HWND Add(int id, const wchar_t* window_class, DWORD style, const TwipRect& place,
           const FontStyle& font, const wchar_t* text = L"", HWND parent = nullptr,
           DWORD ex_style = 0);
  HWND AddLink(int index, int left, int top, bool bold, const wchar_t* text,
               HWND parent = nullptr);
  void MakeBackground();

  void OnCommand(int id, int code);
  void OnNotify(const NMHDR& header);
  // main_window_sorting.cpp: lvInvalidLoc_ColumnClick, and where a new
  // problem row goes while the list is sorted.
  void OnColumnClick(int column);
  int ProblemRowPlace(const scan::ProblemEntry& entry);
  void OnClose();
  void PressScan();
  void OnLinkClicked(int index);
  void ShowPage(int id, bool shown);
  LRESULT OnCtlColor(HDC dc, HWND control);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  bool OnSetCursor(HWND under_cursor);
  HBRUSH BackgroundFor(HDC dc, HWND control) const;
  bool IsLink(HWND control) const;

  platform::Registry& registry_;
  platform::MessageBoxes& boxes_;
  common::TextSource& texts_;
  std::string program_folder_;
  Layout layout_;
  Fonts fonts_;
  LinkArt link_art_;
  MessagePump pump_;

  std::map<int, HWND> controls_;
  std::map<HWND, COLORREF> text_colours_;
  std::map<HWND, HBRUSH> plain_backgrounds_;  // controls that sit on one colour
  Page pages_[2];
  Background background_;
  HBRUSH white_brush_ = nullptr;
  HBRUSH page_grey_brush_ = nullptr;

  // How each column of lvInvalidLoc was last sorted: "", "A" or "D".
  static constexpr int kProblemColumns = 6;
  std::string sort_tags_[kProblemColumns];
  int sort_column_ = -1;  // none until the first header click
  std::string scan_caption_;
  std::vector<scan::ScanArea> areas_;
  std::vector<scan::ExcludeRule> rules_;
  bool busy_ = false;
  // Set while the window itself fills a list with check boxes: the list
  // reports those checks as changes, but they are no choice of the user.
  bool filling_ = false;

  platform::SingleInstance instance_;
  bool another_copy_running_ = false;
  // Made anew each time it is shown; its window goes with "&Next >", the
  // object at the next showing or with the main window.
  std::unique_ptr<StartPage> start_page_;

  scan::KeptTexts kept_;
  scan::ScanEngine engine_;
  repair::Repairer repairer_;
  repair::ExclusionEditor exclusions_;
};

}  // namespace shell
