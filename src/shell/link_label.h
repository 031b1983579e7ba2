// Link labels: owner-drawn static controls (SS_NOTIFY, so a click reaches
// the parent as STN_CLICKED) showing an arrow picture and an underlined
// text in the link colour. The parent forwards WM_DRAWITEM to Draw and
// answers WM_SETCURSOR with the hand for them.
#pragma once

#include <windows.h>

#include <string>

namespace shell {

inline constexpr COLORREF kLinkColour = RGB(32, 82, 164);

class LinkArt {
 public:
  explicit LinkArt(int dpi);
  ~LinkArt();
  LinkArt(const LinkArt&) = delete;
  LinkArt& operator=(const LinkArt&) = delete;

  // Creates a link whose text starts at `text_left`, `top` (pixels); the
  // picture sits to the left of the text.
  HWND Create(HWND parent, int id, int text_left, int top, HFONT font) const;
  // Sets the caption (UTF-8) and fits the control to it.
  void SetText(HWND link, const std::string& text) const;
  // Enables or disables a link and redraws it.
  void Enable(HWND link, bool enabled) const;
  // Paints a link over `background` (a brush whose origin the caller set).
  void Draw(const DRAWITEMSTRUCT& item, HBRUSH background) const;

 private:
  int picture_size_;
  int gap_;
  HBITMAP enabled_picture_;
  HBITMAP disabled_picture_;
};

}  // namespace shell
