// Form1: the tool's only window, a sizable top-level window with an empty client area.
#pragma once

#include <windows.h>

namespace zelreg {

inline constexpr wchar_t kForm1Caption[] = L"Zelreg";
inline constexpr int kClientWidthTwips = 4680;
inline constexpr int kClientHeightTwips = 0;

// Converts twips to pixels at the screen's resolution.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);

// Creates Form1 hidden, at the system's default position; nullptr on failure.
HWND CreateForm1(HINSTANCE instance);

}  // namespace zelreg
