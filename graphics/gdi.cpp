#include "graphics/gdi.h"

namespace zel {

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
