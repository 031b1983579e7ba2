#include "shell/message_pump.h"

namespace shell {

void MessagePump::Yield() {
  if (skip_next_) {
    skip_next_ = false;
    return;
  }
  const Clock::time_point now = Clock::now();
  if (now < next_pump_) return;
  next_pump_ = now + interval_;
  Pump();
}

void MessagePump::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The outer message loop must still see it and end the program.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (dialog_ && IsDialogMessageW(dialog_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

int RunMessageLoop() {
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    HWND top = GetAncestor(msg.hwnd, GA_ROOT);
    if (top && IsDialogMessageW(top, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace shell
