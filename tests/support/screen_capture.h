// Pixels read back from the screen, and PNG files of them for people to look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zeltest {

struct Capture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A screen rectangle.
Capture CaptureScreen(const RECT& r);
// A whole window, frame included, as it is on the screen.
Capture CaptureWindow(HWND hwnd);
// The pixels of a bitmap (a picture's), same layout.
Capture CaptureBitmap(HBITMAP bitmap);
// Writes a PNG through the system's image codecs.
bool SavePng(const std::wstring& path, const Capture& c);

}  // namespace zeltest
