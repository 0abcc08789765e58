#include "viewer/style_presets.h"

#include <iterator>

namespace zel {

namespace {

// The flags and the offset every style shares: borders without inactive tiles,
// button glyphs with inactive ones (at offset 0), buttons placed by their offsets.
constexpr FrameDescription Shared(FrameDescription frame) {
  frame.BorderHasInactive = 0;
  frame.ControlHasInactive = -1;
  frame.ControlButtonPosition = -1;
  frame.Offset = 0;
  return frame;
}

// The frame of the four styles with 478×32 captions and 42×6 borders.
constexpr FrameDescription kWideButtonsFrame = Shared({.ButtonHeight = 16,
                                                       .ButtonWidth = 32,
                                                       .ButtonOffsetX = -8,
                                                       .ButtonOffsetY = 6,
                                                       .LeftEnd = 250,
                                                       .ActiveRight = 251,
                                                       .RightEnd = 350,
                                                       .LeftBorderWidth = 6,
                                                       .RightBorderWidth = 6,
                                                       .TopBorderHeight = 6,
                                                       .BottomBorderHeight = 4});

// Styles without an alternate background give "xa" controls the plain one.
constexpr StylePreset kPresets[] = {
    {.style = 0,
     .name = L"Midnight",
     .frame = kWideButtonsFrame,
     .ForeColor = 0x008E503D,
     .BackColor = 0x00FFFFFF,
     .AltBackColor = 0x00FFFFFF},
    {.style = 1,
     .name = L"Leaf",
     .frame = kWideButtonsFrame,
     .ForeColor = 0x00836323,
     .BackColor = 0x00EEEFEE,
     .AltBackColor = 0x00EEEFEE},
    {.style = 2,
     .name = L"Frost",
     .frame = kWideButtonsFrame,
     .ForeColor = 0x00883F29,
     .BackColor = 0x00F8EEEE,
     .AltBackColor = 0x00F8EEEE,
     .SetsBorder = true,
     .BorderWidth = 1,
     .BorderColor = 0x00999999},
    {.style = 3,
     .name = L"Ocean",
     .frame = kWideButtonsFrame,
     .ForeColor = 0x008E503D,
     .BackColor = 0x00F8F4F3,
     .AltBackColor = 0x00F8F4F3},
    {.style = 4,
     .name = L"Alpha",
     .frame = Shared({.ButtonHeight = 17,
                      .ButtonWidth = 17,
                      .ButtonOffsetX = -4,
                      .ButtonOffsetY = 9,
                      .LeftEnd = 250,
                      .ActiveRight = 251,
                      .RightEnd = 383,
                      .LeftBorderWidth = 10,
                      .RightBorderWidth = 10,
                      .TopBorderHeight = 1,
                      .BottomBorderHeight = 1}),
     .ForeColor = 0x00444444,
     .BackColor = 0x00FEFEFE,
     .AltBackColor = 0x00A5AFB4,
     .SetsBorder = true,
     .BorderWidth = 1,
     .BorderColor = 0x00FEFEFE},
    {.style = 5,
     .name = L"Alpha Wire",
     .frame = Shared({.ButtonHeight = 12,
                      .ButtonWidth = 16,
                      .ButtonOffsetX = -12,
                      .ButtonOffsetY = 6,
                      .LeftEnd = 250,
                      .ActiveRight = 251,
                      .RightEnd = 400,
                      .LeftBorderWidth = 12,
                      .RightBorderWidth = 12,
                      .TopBorderHeight = 1,
                      .BottomBorderHeight = 1}),
     .ForeColor = 0x00B57144,
     .BackColor = 0x00D5C8C2,
     .AltBackColor = 0x00D5C8C2,
     .SetsBorder = true,
     .BorderWidth = 1,
     .BorderColor = 0x00999999},
    {.style = 6,
     .name = L"Hybrid",
     .frame = Shared({.ButtonHeight = 15,
                      .ButtonWidth = 15,
                      .ButtonOffsetX = -8,
                      .ButtonOffsetY = 5,
                      .LeftEnd = 289,
                      .ActiveRight = 290,
                      .RightEnd = 375,
                      .LeftBorderWidth = 5,
                      .RightBorderWidth = 5,
                      .TopBorderHeight = 1,
                      .BottomBorderHeight = 1}),
     .ForeColor = 0x00B57144,
     .BackColor = 0x00FFFFFF,
     .AltBackColor = 0x00FFFFFF,
     .SetsBorder = true,
     .BorderWidth = 0,
     .BorderColor = 0x00D5C8C2},
};

// A style number is its row's position in the table.
constexpr bool RowsInStyleOrder() {
  for (size_t i = 0; i < std::size(kPresets); ++i)
    if (kPresets[i].style != static_cast<int16_t>(i)) return false;
  return true;
}
static_assert(RowsInStyleOrder());

constexpr bool InTable(int16_t number) {
  return number >= 0 && static_cast<size_t>(number) < std::size(kPresets);
}

}  // namespace

std::span<const StylePreset> StylePresets() { return kPresets; }

const StylePreset* FindStylePreset(int16_t style) {
  return InTable(style) ? &kPresets[style] : nullptr;
}

std::optional<int16_t> StyleForOption(int16_t index) {
  if (!InTable(index)) return std::nullopt;
  if (index == 0) return int16_t{2};
  if (index == 2) return int16_t{0};
  return index;
}

}  // namespace zel
