#include "shell/link_label.h"

#include <algorithm>

#include "shell/artwork.h"
#include "shell/controls.h"

namespace shell {

namespace {

// "&&" shows as one "&", as in any label.
constexpr UINT kTextFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE;

}  // namespace

LinkArt::LinkArt(int dpi)
    : picture_size_(MulDiv(16, dpi, 96)),
      gap_(MulDiv(5, dpi, 96)),
      enabled_picture_(MakeArrowBullet(picture_size_, RGB(92, 150, 228), RGB(28, 74, 150))),
      disabled_picture_(MakeArrowBullet(picture_size_, RGB(200, 200, 200), RGB(150, 150, 150))) {}

LinkArt::~LinkArt() {
  DeleteObject(enabled_picture_);
  DeleteObject(disabled_picture_);
}

HWND LinkArt::Create(HWND parent, int id, int text_left, int top, HFONT font) const {
  const int left = text_left - picture_size_ - gap_;
  return CreateControl(parent, id, L"STATIC", WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY,
                       RECT{left, top, left + picture_size_, top + picture_size_}, font);
}

void LinkArt::SetText(HWND link, const std::string& text) const {
  shell::SetText(link, text);
  const SIZE size = TextSize(link, WideText(link));
  SetWindowPos(link, nullptr, 0, 0, size.cx + picture_size_ + gap_,
               std::max<LONG>(size.cy, picture_size_), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(link, nullptr, TRUE);
}

void LinkArt::Enable(HWND link, bool enabled) const {
  EnableWindow(link, enabled);
  InvalidateRect(link, nullptr, TRUE);
}

void LinkArt::Draw(const DRAWITEMSTRUCT& item, HBRUSH background) const {
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  FillRect(dc, &r, background);
  const bool enabled = IsWindowEnabled(item.hwndItem);
  const int height = r.bottom - r.top;
  DrawAlphaBitmap(dc, enabled ? enabled_picture_ : disabled_picture_, r.left,
                  r.top + (height - picture_size_) / 2);

  const std::wstring text = WideText(item.hwndItem);
  HGDIOBJ old_font = SelectObject(
      dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? kLinkColour : GetSysColor(COLOR_GRAYTEXT));
  RECT text_rect{r.left + picture_size_ + gap_, r.top, r.right, r.bottom};
  DrawTextW(dc, text.c_str(), -1, &text_rect, kTextFormat);
  SelectObject(dc, old_font);
}

}  // namespace shell
