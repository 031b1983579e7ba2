// The window's pictures, drawn with GDI at run time instead of shipped as
// bitmaps: gradient bands and the round arrow that marks a link.
#pragma once

#include <windows.h>

namespace shell {

// Fills `r` with a vertical gradient from `top` to `bottom`. A band drawn
// this way can be repeated side by side without a visible seam.
void FillGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom);

// Draws a one-pixel frame around `r`, filled with `fill`.
void FramedBox(HDC dc, const RECT& r, COLORREF fill, COLORREF border);

// A disc shaded from `light` (top) to `dark` (bottom) with a white arrow
// pointing right, `size` pixels square, anti-aliased: a 32-bit top-down DIB
// with premultiplied alpha for DrawAlphaBitmap. The caller deletes it.
HBITMAP MakeArrowBullet(int size, COLORREF light, COLORREF dark);

// Blends a bitmap made by MakeArrowBullet onto `dc` at x, y.
void DrawAlphaBitmap(HDC dc, HBITMAP bitmap, int x, int y);

// The house bands: the dark blue banner at the top of a window and the pale
// footer band at its bottom. Copies side by side join without a seam.
void DrawBanner(HDC dc, const RECT& r);
void DrawFooterBand(HDC dc, const RECT& r);

// A window's large picture: a pale card with `emblem` (a bitmap made by
// MakeArrowBullet) in its upper third.
void DrawPictureCard(HDC dc, const RECT& r, HBITMAP emblem);

}  // namespace shell
