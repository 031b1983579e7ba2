#include "shell/background.h"

namespace shell {

Background::~Background() {
  if (brush_) DeleteObject(brush_);
  if (bitmap_) DeleteObject(bitmap_);
}

void Background::Make(HWND window, const std::function<void(HDC, const RECT&)>& paint) {
  RECT client{};
  GetClientRect(window, &client);
  HDC screen = GetDC(window);
  bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap_);
  paint(memory, client);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  brush_ = CreatePatternBrush(bitmap_);
}

void Background::Erase(HWND window, HDC dc) const {
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, brush_);
}

HBRUSH Background::For(HWND window, HDC dc, HWND control) const {
  POINT origin{0, 0};
  MapWindowPoints(control, window, &origin, 1);
  SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
  return brush_;
}

}  // namespace shell
