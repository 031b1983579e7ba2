// A page of the main window (picTab): a borderless white panel laid over
// the problem list, holding its own controls and a picture. What its
// controls report (clicks, notifications, colour and drawing requests) goes
// on to the main window, which handles the whole window in one place.
#pragma once

#include <windows.h>

#include "shell/base_window.h"

namespace shell {

class Page : public BaseWindow<Page> {
 public:
  Page() = default;
  ~Page();

  // Creates the page hidden at `place` (pixels) in `parent`, with its
  // picture at `picture` (pixels, in the page).
  bool Create(HWND parent, int id, const RECT& place, const RECT& picture);
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  void Paint(HDC dc);

  RECT picture_{};
  HBITMAP emblem_ = nullptr;
};

}  // namespace shell
