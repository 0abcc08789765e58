#include "platform/form_gdi.h"

#include <cmath>
#include <cwchar>

namespace zel {

UniqueFont CreateFormFont(const FontDescription& font) {
  LOGFONTW lf{};
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
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

UniqueBrush CreateColorBrush(OleColor color) {
  return UniqueBrush(CreateSolidBrush(ResolveColor(color)));
}

void DrawPicture(HDC dc, const Picture& picture, int x, int y) {
  if (!picture) return;
  MemoryDc memory(dc);
  ScopedSelect select(memory.dc(), picture.Handle());
  BitBlt(dc, x, y, picture.Width(), picture.Height(), memory.dc(), 0, 0, SRCCOPY);
}

}  // namespace zel
