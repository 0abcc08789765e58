#include "graphics/font.h"

#include <cmath>
#include <cwchar>

#include "graphics/screen_dpi.h"

namespace zel {

UniqueFont CreateFormFont(const FontDescription& font) {
  LOGFONTW lf{};
  const int dpi = ScreenDpi(LOGPIXELSY);
  lf.lfHeight = -static_cast<LONG>(std::lround(font.points * static_cast<float>(dpi) / 72.0f));
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = font.charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  wcsncpy(lf.lfFaceName, font.face.c_str(), LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace zel
