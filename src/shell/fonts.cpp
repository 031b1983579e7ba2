#include "shell/fonts.h"

namespace shell {

Fonts::~Fonts() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT Fonts::Get(const FontSpec& spec) {
  const Key key{spec.face, spec.hundredths_pt, spec.bold, spec.underline};
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(spec.hundredths_pt, dpi_, 7200);  // points -> pixels, as a character height
  lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  lf.lfUnderline = spec.underline;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(lf.lfFaceName, spec.face, LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&lf);
  if (font) fonts_.emplace(key, font);
  return font;
}

}  // namespace shell
