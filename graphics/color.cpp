#include "graphics/color.h"

namespace zel {

COLORREF ResolveColor(OleColor color) {
  constexpr OleColor kSystemColorIndex = 0xFFu;
  constexpr OleColor kRgb = 0x00FFFFFFu;
  if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & kSystemColorIndex));
  return color & kRgb;
}

}  // namespace zel
