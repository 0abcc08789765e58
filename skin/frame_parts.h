// Names for the parts of the skin's pictures and for the caption buttons, and
// the caption-button row as a pure function of the frame's geometry, shared by
// painting and by the button handling.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

namespace zel::frame {

// Undocumented messages with which themed Windows paint their caption and frame
// directly, outside WM_NCPAINT.
constexpr UINT kNcUahDrawCaption = 0x00AE;
constexpr UINT kNcUahDrawFrame = 0x00AF;

// Caption buttons, in the order they are packed from the right.
enum Button { kClose = 0, kMaximize = 1, kMinimize = 2, kButtonCount = 3 };
// Glyph columns of the caption picture's button area.
enum Glyph { kGlyphClose = 0, kGlyphRestore = 1, kGlyphMaximize = 2, kGlyphMinimize = 3 };
// Rows of a glyph.
enum ButtonState { kButtonNormal = 0, kButtonPressed = 1 };
// Square tiles of the borders picture, left to right.
enum BorderTile {
  kTileLeftEdge = 0,
  kTileBottomLeft = 2,
  kTileBottomEdge = 3,
  kTileRightEdge = 4,
  kTileBottomRightFixed = 5,
  kTileBottomRightSizable = 6,
};

// Where the button row of a caption goes.
struct ButtonRow {
  bool fixedPosition;    // p_ControlButtonPosition: anchored by the offsets
  int windowWidth;       // W
  int offsetX, offsetY;  // p_ButtonOffsetX, p_ButtonOffsetY
  int rightEndLeft;      // xRight, where the caption's right end starts
  int rightEndWidth;     // RW
  int bordersHeight;     // height of the borders picture
  int buttonWidth, buttonHeight;
  std::array<bool, kButtonCount> shown;
};

// The rectangle of each shown button (close, maximize, minimize), packed from the
// right with no gap for a hidden one; each is one column wider than its glyph.
std::array<std::optional<RECT>, kButtonCount> ButtonRects(const ButtonRow& row);

}  // namespace zel::frame
