#include "graphics/font.h"

#include <cwchar>

namespace zel {

UniqueFont CreateFormFont(const FontDescription& font, Dpi dpi) {
  LOGFONTW lf{};
  lf.lfHeight = dpi.FontHeight(font.points);
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
