// A window's background picture, painted once into a bitmap of the client
// area. Controls that sit on it take their part of the same picture as
// their background, so they look transparent over bands and gradients.
#pragma once

#include <windows.h>

#include <functional>

namespace shell {

class Background {
 public:
  Background() = default;
  ~Background();
  Background(const Background&) = delete;
  Background& operator=(const Background&) = delete;

  // Paints `window`'s client area with `paint` into the picture.
  void Make(HWND window, const std::function<void(HDC, const RECT&)>& paint);
  // Fills the whole client area of the window the picture was made for.
  void Erase(HWND window, HDC dc) const;
  // The picture's brush, aligned in `dc` to where `control` sits on `window`.
  HBRUSH For(HWND window, HDC dc, HWND control) const;

 private:
  HBITMAP bitmap_ = nullptr;
  HBRUSH brush_ = nullptr;
};

}  // namespace shell
