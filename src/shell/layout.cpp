#include "shell/layout.h"

namespace shell {

Layout::Layout() {
  HDC screen = GetDC(nullptr);
  dpi_ = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  if (dpi_ <= 0) dpi_ = 96;
}

RECT Layout::Rect(const TwipRect& r) const {
  const int left = Px(r.left);
  const int top = Px(r.top);
  return RECT{left, top, left + Px(r.width), top + Px(r.height)};
}

void Layout::Place(HWND control, const TwipRect& r) const {
  const RECT rc = Rect(r);
  SetWindowPos(control, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace shell
