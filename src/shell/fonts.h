// The fonts a window's design names (face, size in points, bold, underline),
// made once at the screen's DPI and freed with the window.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace shell {

struct FontStyle {
  const wchar_t* face = L"Arial";
  int hundredths_pt = 900;  // 11.25 pt is 1125
  bool bold = false;
  bool underline = false;
};

// The faces both windows of tidemark use.
inline constexpr FontStyle kArial9{L"Arial", 900};
inline constexpr FontStyle kTahoma9{L"Tahoma", 900};
inline constexpr FontStyle kLinkFont{L"Tahoma", 900, false, true};

class Fonts {
 public:
  explicit Fonts(int dpi) : dpi_(dpi) {}
  ~Fonts();
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  // The font for `style`, made on first use; null only when GDI fails.
  HFONT Get(const FontStyle& style);

 private:
  using Key = std::tuple<std::wstring, int, bool, bool>;
  int dpi_;
  std::map<Key, HFONT> fonts_;
};

}  // namespace shell
