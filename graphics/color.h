// Colours as the form designer stores them.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zel {

// 0x00BBGGRR, or 0x80000000 | n for the system colour n of the current scheme.
using OleColor = uint32_t;
COLORREF ResolveColor(OleColor color);

// The form runtime's codes for system colours.
inline constexpr OleColor kSystemColorFlag = 0x80000000u;
constexpr OleColor SystemColor(int index) {
  return kSystemColorFlag | static_cast<OleColor>(index);
}
inline constexpr OleColor kWindowBackground = SystemColor(COLOR_WINDOW);
inline constexpr OleColor kWindowText = SystemColor(COLOR_WINDOWTEXT);
inline constexpr OleColor kButtonFace = SystemColor(COLOR_BTNFACE);
inline constexpr OleColor kButtonText = SystemColor(COLOR_BTNTEXT);

}  // namespace zel
