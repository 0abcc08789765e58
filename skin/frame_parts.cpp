#include "skin/frame_parts.h"

namespace zel::frame {
namespace {

// The automatic anchor: inside the caption's right end, below its top edge.
constexpr int kAutoButtonsInset = 4;
constexpr int kAutoButtonsTop = 5;

}  // namespace

std::array<std::optional<RECT>, kButtonCount> ButtonRects(const ButtonRow& row) {
  int bx = row.fixedPosition
               ? row.windowWidth + row.offsetX
               : row.rightEndLeft + row.rightEndWidth - row.bordersHeight + kAutoButtonsInset;
  const int by = row.fixedPosition ? row.offsetY : kAutoButtonsTop;
  std::array<std::optional<RECT>, kButtonCount> rects;
  for (int index = 0; index < kButtonCount; ++index) {
    if (!row.shown[index]) continue;
    bx -= row.buttonWidth + 1;
    rects[index] = RECT{bx, by, bx + row.buttonWidth + 1, by + row.buttonHeight};
  }
  return rects;
}

}  // namespace zel::frame
