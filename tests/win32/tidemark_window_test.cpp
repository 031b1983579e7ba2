// tidemark's main window under Wine: its texts, its layout on screen, its
// pages and scan choices, and the message pump a scan yields to.
#include <chrono>
#include <string>
#include <vector>

#include "shell/controls.h"
#include "shell/layout.h"
#include "shell/message_pump.h"
#include "tidemark_test_window.h"

namespace {

using shell::ColumnText;
using tidemark_test::WindowText;

// A control's rectangle in its window's client coordinates.
RECT PlaceIn(HWND window, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class TidemarkWindowTest : public tidemark_test::MainWindowTest {
 protected:
  // A click on a link, as the mouse gives it.
  void Click(HWND target) { SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, 0); }
};

TEST_F(TidemarkWindowTest, TakesItsTextsFromTheLanguageLibrary) {
  ASSERT_FALSE(Text("HIVECARE_REGCLEANER_1").empty()) << "phrasebook.dll beside the test?";
  EXPECT_EQ(WindowText(window_->hwnd()), Text("HIVECARE_REGCLEANER_1"));
  EXPECT_EQ(WindowText(control(shell::kLabel7)), Text("HIVECARE_REGCLEANER_33"));
  EXPECT_EQ(WindowText(control(shell::kChkSkipCDLan)), Text("HIVECARE_REGCLEANER_9"));
  EXPECT_EQ(WindowText(link(1)), Text("HIVECARE_REGCLEANER_40"));
  EXPECT_EQ(WindowText(link(7)), Text("HIVECARE_REGCLEANER_12"));
  EXPECT_EQ(ColumnText(control(shell::kLvInvalidLoc), 3), Text("HIVECARE_REGCLEANER_17"));
  EXPECT_EQ(ColumnText(control(shell::kLvLocations), 1), Text("HIVECARE_REGCLEANER_11"));
  // The load step gives the scan button its idle caption after the table.
  EXPECT_EQ(WindowText(control(shell::kCmdScan)), Text("HIVECARE_REGCLEANER_STRING_305"));
  EXPECT_EQ(window_->ScanCaption(), Text("HIVECARE_REGCLEANER_STRING_305"));
  // Untouched by the table: their design captions.
  EXPECT_EQ(WindowText(link(9)), "Click here for more Windows Utilities && Fixes");
  EXPECT_EQ(WindowText(link(10)), "Change Language");
}

TEST_F(TidemarkWindowTest, IsAFixedDialogFrameWithEverythingInView) {
  const LONG_PTR style = GetWindowLongPtrW(window_->hwnd(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  RECT outer{};
  GetWindowRect(window_->hwnd(), &outer);
  EXPECT_EQ(outer.right - outer.left, shell::Layout().Px(10920));

  RECT client{};
  GetClientRect(window_->hwnd(), &client);
  const RECT status = PlaceIn(window_->hwnd(), control(shell::kSBarMain));
  for (int id : {+shell::kLabel7, +shell::kLabel3, +shell::kLabel1, +shell::kAnmSearch,
                 +shell::kLvInvalidLoc, +shell::kCmdScan, shell::LinkId(1), shell::LinkId(3),
                 shell::LinkId(4), shell::LinkId(5), shell::LinkId(6), shell::LinkId(9),
                 shell::LinkId(10)}) {
    SCOPED_TRACE(id);
    const RECT r = PlaceIn(window_->hwnd(), control(id));
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.right, client.right);
    EXPECT_LE(r.bottom, status.top) << "hidden behind the status bar";
  }
  // Designed to lie below the visible area.
  for (int id : {shell::LinkId(0), +shell::kProgress, +shell::kCmdRemoveSel,
                 +shell::kCmdRemoveAll, +shell::kCmdAddtoExcludeList}) {
    SCOPED_TRACE(id);
    EXPECT_GE(PlaceIn(window_->hwnd(), control(id)).top, client.bottom);
  }
  for (int index : {4, 5, 6}) EXPECT_FALSE(IsWindowEnabled(link(index))) << index;
  for (int index : {1, 3, 9, 10}) EXPECT_TRUE(IsWindowEnabled(link(index))) << index;
}

TEST_F(TidemarkWindowTest, PagesOpenOverTheListAndLockTheScanButton) {
  struct Case {
    int open_link;
    int page;
    int back_link;
  };
  for (const Case& c : {Case{1, shell::kPicTab0, 7}, Case{3, shell::kPicTab2, 8}}) {
    SCOPED_TRACE(c.open_link);
    HWND page = control(c.page);
    EXPECT_FALSE(IsWindowVisible(page));

    Click(link(c.open_link));
    EXPECT_TRUE(IsWindowVisible(page));
    EXPECT_FALSE(IsWindowEnabled(control(shell::kCmdScan)));
    EXPECT_EQ(GetWindow(window_->hwnd(), GW_CHILD), page) << "in front of the other controls";
    const RECT list = PlaceIn(window_->hwnd(), control(shell::kLvInvalidLoc));
    RECT covered{};
    const RECT shown = PlaceIn(window_->hwnd(), page);
    IntersectRect(&covered, &shown, &list);
    EXPECT_TRUE(EqualRect(&covered, &list)) << "the problem list is covered";

    Click(link(c.back_link));
    EXPECT_FALSE(IsWindowVisible(page));
    EXPECT_TRUE(IsWindowEnabled(control(shell::kCmdScan)));
  }
}

TEST_F(TidemarkWindowTest, ScanChoicesComeFromTheControls) {
  HWND areas = control(shell::kLvLocations);
  const std::vector<scan::ScanArea> defaults = scan::DefaultScanAreas(texts_);
  std::vector<scan::ScanArea> shown = window_->ScanAreas();
  ASSERT_EQ(shown.size(), 8u);
  for (size_t i = 0; i < shown.size(); ++i) {
    EXPECT_EQ(shown[i].code, defaults[i].code);
    EXPECT_TRUE(shown[i].checked) << i;
  }
  ListView_SetCheckState(areas, 5, FALSE);
  shown = window_->ScanAreas();
  for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i].checked, i != 5) << i;

  EXPECT_FALSE(window_->SkipCdLan());
  SendMessageW(control(shell::kChkSkipCDLan), BM_CLICK, 0, 0);
  EXPECT_TRUE(window_->SkipCdLan());
  EXPECT_TRUE(window_->ExcludeRules().empty());
}

// The pump behind ScanWindow::Yield.
class MessagePumpTest : public ::testing::Test {
 protected:
  static LRESULT CALLBACK Count(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_APP) ++handled;
    return DefWindowProcW(hwnd, msg, wparam, lparam);
  }
  void SetUp() override {
    handled = 0;
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Count;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PumpTestTarget";
    RegisterClassW(&wc);
    target_ = CreateWindowW(L"PumpTestTarget", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            wc.hInstance, nullptr);
    ASSERT_NE(target_, nullptr);
  }
  void TearDown() override { DestroyWindow(target_); }

  static inline int handled = 0;
  HWND target_ = nullptr;
};

TEST_F(MessagePumpTest, YieldHandlesTheQueueAtMostOncePerInterval) {
  shell::MessagePump pump(nullptr, std::chrono::hours(1));
  PostMessageW(target_, WM_APP, 0, 0);
  pump.Yield();  // the first yield pumps
  EXPECT_EQ(handled, 1);

  PostMessageW(target_, WM_APP, 0, 0);
  pump.Yield();  // within the interval: only a clock read
  EXPECT_EQ(handled, 1);
  pump.Pump();
  EXPECT_EQ(handled, 2);

  shell::MessagePump eager(nullptr, std::chrono::milliseconds(0));
  for (int expected : {3, 4}) {
    PostMessageW(target_, WM_APP, 0, 0);
    eager.Yield();
    EXPECT_EQ(handled, expected);
  }
}

TEST_F(MessagePumpTest, DeferCountsAsAPump) {
  shell::MessagePump pump(nullptr, std::chrono::hours(1));
  pump.Defer();
  PostMessageW(target_, WM_APP, 0, 0);
  pump.Yield();
  EXPECT_EQ(handled, 0);
}

// However late it comes, the first yield after a press does not pump.
TEST_F(MessagePumpTest, DeferSkipsTheNextYieldWhateverItsTime) {
  shell::MessagePump pump(nullptr, std::chrono::milliseconds(0));
  pump.Defer();
  PostMessageW(target_, WM_APP, 0, 0);
  pump.Yield();
  EXPECT_EQ(handled, 0);
  pump.Yield();
  EXPECT_EQ(handled, 1);
}

TEST_F(MessagePumpTest, LeavesQuitForTheOuterLoop) {
  PostQuitMessage(7);
  PostMessageW(target_, WM_APP, 0, 0);
  shell::MessagePump().Pump();
  EXPECT_EQ(handled, 1);
  MSG msg{};
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
