#include "shell/page.h"

#include <algorithm>

#include "shell/artwork.h"

namespace shell {

Page::~Page() {
  if (emblem_) DeleteObject(emblem_);
}

bool Page::Create(HWND parent, int id, const RECT& place, const RECT& picture) {
  picture_ = picture;
  const int width = picture.right - picture.left;
  emblem_ = MakeArrowBullet(std::max(width / 2, 1), RGB(120, 176, 240), RGB(28, 74, 150));
  if (!CreateWindowOf(L"TidemarkPage", L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                      WS_EX_CONTROLPARENT, place.left, place.top, place.right - place.left,
                      place.bottom - place.top, parent,
                      static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)))) {
    return false;
  }
  SetWindowLongPtrW(hwnd(), GWLP_ID, id);
  return true;
}

LRESULT Page::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetParent(hwnd()), msg, wparam, lparam);
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      Paint(dc);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd(), msg, wparam, lparam);
  }
}

void Page::Paint(HDC dc) { DrawPictureCard(dc, picture_, emblem_); }

}  // namespace shell
