// Lets a long operation that runs inside a click handler (a scan, a repair)
// keep the window alive: repaints, a second press, the close box.
#pragma once

#include <windows.h>
#undef Yield  // an empty macro of 16-bit Windows that would swallow ours

#include <chrono>

namespace shell {

class MessagePump {
 public:
  // `dialog`: the window whose keyboard navigation IsDialogMessage handles;
  // null when there is none.
  explicit MessagePump(HWND dialog = nullptr,
                       std::chrono::milliseconds interval = std::chrono::milliseconds(10))
      : dialog_(dialog), interval_(interval) {}
  void set_dialog(HWND dialog) { dialog_ = dialog; }

  // Handles everything queued, at most once per interval. A PeekMessage costs
  // tens of microseconds under Wine and a scan yields after every value, so
  // between pumps a call costs only a clock read. The first call pumps.
  void Yield();
  // Handles everything queued now.
  void Pump();
  // Counts now as a pump: the message being handled was just taken from the
  // queue, so what follows at once need not look again. The next Yield does
  // not pump however long it takes to come, so a second press meets a
  // running scan, not one that has yet to set its stop caption (the scan's
  // first yield comes before that, and on a loaded machine more than one
  // interval after the press).
  void Defer() {
    next_pump_ = Clock::now() + interval_;
    skip_next_ = true;
  }

 private:
  using Clock = std::chrono::steady_clock;

  HWND dialog_;
  std::chrono::milliseconds interval_;
  Clock::time_point next_pump_{};
  bool skip_next_ = false;
};

// The programs' main loop: runs until WM_QUIT and returns its code. Tab,
// Enter and the access keys work in whichever top-level window has them.
int RunMessageLoop();

}  // namespace shell
