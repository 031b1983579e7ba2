#include "shell/fonts.h"

namespace shell {

Fonts::~Fonts() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT Fonts::Get(const FontStyle& style) {
  const Key key{style.face, style.hundredths_pt, style.bold, style.underline};
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(style.hundredths_pt, dpi_, 7200);  // points -> pixels, as a character height
  lf.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
  lf.lfUnderline = style.underline;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(lf.lfFaceName, style.face, LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&lf);
  if (font) fonts_.emplace(key, font);
  return font;
}

}  // namespace shell
