// Window geometry is designed in twips (1/1440 inch); the screen counts
// pixels. px = twips * dpi / 1440, so the window keeps its proportions at
// any DPI setting.
#pragma once

#include <windows.h>

namespace shell {

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Layout {
 public:
  // Reads the screen's DPI (the process is system DPI aware).
  Layout();
  explicit Layout(int dpi) : dpi_(dpi) {}

  int dpi() const { return dpi_; }
  int Px(int twips) const { return MulDiv(twips, dpi_, 1440); }
  int Twips(int px) const { return MulDiv(px, 1440, dpi_); }
  RECT Rect(const TwipRect& r) const;
  // Places `control` at `r` in its parent's client area.
  void Place(HWND control, const TwipRect& r) const;

 private:
  int dpi_;
};

}  // namespace shell
