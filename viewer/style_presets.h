// The seven looks of the main window's frame: pictures, frame metrics and colours.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

#include "skin/frame_description.h"

namespace zel {

struct StylePreset {
  int16_t style;
  const wchar_t* name;
  // The frame's values; the flags and the offset are the same in every style.
  FrameDescription frame;
  COLORREF ForeColor;       // text colour of the "xb" and "xa" controls
  COLORREF BackColor;       // background of the "xb" controls
  COLORREF AltBackColor;    // background of the "xa" controls
  bool SetsBorder = false;  // whether the style sets spBorder at all
  int32_t BorderWidth = 0;
  COLORREF BorderColor = 0;

  // picResource elements: caption 2·style, borders 2·style + 1.
  int CaptionIndex() const { return 2 * style; }
  int BordersIndex() const { return 2 * style + 1; }
};

// The tags that mark the controls a style recolours: "xb" gets the background,
// "xa" the alternate background; both get the text colour.
inline constexpr wchar_t kStyledTag[] = L"xb";
inline constexpr wchar_t kAltStyledTag[] = L"xa";

std::span<const StylePreset> StylePresets();
// The preset of a style number, or nothing outside the table.
const StylePreset* FindStylePreset(int16_t style);
// The style an optStyle button applies (0 ↔ 2 swapped), or nothing for an index
// without a button (one button per style).
std::optional<int16_t> StyleForOption(int16_t index);

}  // namespace zel
