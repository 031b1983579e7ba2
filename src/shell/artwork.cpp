#include "shell/artwork.h"

#include <cmath>
#include <cstdint>

namespace shell {

namespace {

COLOR16 Channel(BYTE value) { return static_cast<COLOR16>(value << 8); }

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
  return TRIVERTEX{x, y, Channel(GetRValue(colour)), Channel(GetGValue(colour)),
                   Channel(GetBValue(colour)), 0};
}

BYTE Mix(BYTE a, BYTE b, double t) { return static_cast<BYTE>(a + (b - a) * t + 0.5); }

// Which part of the bullet a point (in units of the bullet's size) falls on.
enum class Part { kOutside, kDisc, kArrow };

Part PartAt(double x, double y) {
  const double dx = x - 0.5;
  const double dy = y - 0.5;
  if (dx * dx + dy * dy > 0.25) return Part::kOutside;
  // The arrow: a triangle with its tip at the right, a little right of centre.
  const double left = 0.38;
  const double tip = 0.72;
  if (x < left || x > tip) return Part::kDisc;
  const double half_height = 0.22 * (tip - x) / (tip - left);
  return std::fabs(dy) <= half_height ? Part::kArrow : Part::kDisc;
}

}  // namespace

void FillGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
  TRIVERTEX vertices[2] = {Vertex(r.left, r.top, top), Vertex(r.right, r.bottom, bottom)};
  GRADIENT_RECT rect{0, 1};
  GradientFill(dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

void FramedBox(HDC dc, const RECT& r, COLORREF fill, COLORREF border) {
  HBRUSH inside = CreateSolidBrush(fill);
  HBRUSH edge = CreateSolidBrush(border);
  FillRect(dc, &r, inside);
  FrameRect(dc, &r, edge);
  DeleteObject(inside);
  DeleteObject(edge);
}

HBITMAP MakeArrowBullet(int size, COLORREF light, COLORREF dark) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  constexpr int kSamples = 4;  // per axis, for the anti-aliased edges
  for (int py = 0; py < size; ++py) {
    const double shade = size > 1 ? static_cast<double>(py) / (size - 1) : 0.0;
    const BYTE r = Mix(GetRValue(light), GetRValue(dark), shade);
    const BYTE g = Mix(GetGValue(light), GetGValue(dark), shade);
    const BYTE b = Mix(GetBValue(light), GetBValue(dark), shade);
    for (int px = 0; px < size; ++px) {
      int disc = 0;
      int arrow = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const Part part = PartAt((px + (sx + 0.5) / kSamples) / size,
                                   (py + (sy + 0.5) / kSamples) / size);
          disc += part == Part::kDisc;
          arrow += part == Part::kArrow;
        }
      }
      constexpr int kAll = kSamples * kSamples;
      // Premultiplied: each channel is its colour times its coverage.
      const auto channel = [&](BYTE colour) {
        return static_cast<std::uint32_t>((colour * disc + 255 * arrow) / kAll);
      };
      const std::uint32_t alpha = 255u * (disc + arrow) / kAll;
      pixels[py * size + px] = alpha << 24 | channel(r) << 16 | channel(g) << 8 | channel(b);
    }
  }
  return bitmap;
}

void DrawAlphaBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, info.bmWidth, info.bmHeight,
             blend);
  SelectObject(memory, old);
  DeleteDC(memory);
}

void DrawBanner(HDC dc, const RECT& r) { FillGradient(dc, r, RGB(40, 92, 176), RGB(20, 56, 118)); }

void DrawFooterBand(HDC dc, const RECT& r) {
  FillGradient(dc, r, RGB(238, 243, 250), RGB(212, 224, 241));
}

void DrawPictureCard(HDC dc, const RECT& r, HBITMAP emblem) {
  FramedBox(dc, r, RGB(255, 255, 255), RGB(224, 224, 224));
  RECT inside = r;
  InflateRect(&inside, -1, -1);
  FillGradient(dc, inside, RGB(232, 241, 252), RGB(255, 255, 255));
  BITMAP info{};
  if (!GetObjectW(emblem, sizeof info, &info)) return;
  const int x = (r.left + r.right - info.bmWidth) / 2;
  const int y = r.top + (r.bottom - r.top) / 3 - info.bmHeight / 2;
  DrawAlphaBitmap(dc, emblem, x, y);
}

}  // namespace shell
