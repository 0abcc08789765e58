// Real windows, synthetic skin pictures, pixel read-back and mouse input for the
// skinned frame's tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/form_window.h"
#include "graphics/picture.h"
#include "skin/frame_description.h"
#include "skin/neo_class.h"
#include "support/frame_description_print.h"
#include "support/gdi_objects.h"

namespace skin_test {

// Pixels are 0x00RRGGBB. Every pixel of the two pictures is distinct: red and the
// low bits of blue carry the column, green the row, and blue's top bits the picture.
uint32_t CaptionPixel(int x, int y);
uint32_t BordersPixel(int x, int y);
zel::Picture MakePicture(int width, int height, uint32_t (*pixel)(int, int));

// The skin description shared by a test's object and its expected image.
struct Skin {
  int captionWidth = 160, captionHeight = 32;  // h0
  int tile = 6;                                // S
  bool borderHasInactive = false;
  bool controlHasInactive = false;
  bool controlButtonPosition = false;
  int leftEnd = 20, activeRight = 23, rightEnd = 40;
  int buttonWidth = 10, buttonHeight = 9;
  int offset = 80;
  int buttonOffsetX = 0, buttonOffsetY = 0;
  int leftBorderWidth = 0, rightBorderWidth = 0;

  int BordersHeight() const { return borderHasInactive ? 2 * tile : tile; }
  // The frame widths the skin gives the window: left, top, right, bottom.
  RECT Insets() const;
  // Every property but the pictures (the unused heights 0).
  FrameDescription Description() const;
  void ApplyTo(cNeoClass& neo) const;  // pictures and the description
};

// A top-level test window of the platform; its own procedure counts messages and
// keeps the system commands it receives.
class TestWindow : public zel::FormWindow {
 public:
  TestWindow(DWORD style, int x, int y, int width, int height, HWND parent = nullptr);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const override { return hwnd_; }
  void Refresh() override;
  void Destroy();
  RECT WindowRect() const;
  // The client rectangle in window coordinates.
  RECT ClientInWindow() const;

  int refreshCalls = 0;
  std::vector<UINT> ownMessages;  // messages that reached the own procedure
  struct OwnCall {
    UINT msg;
    LPARAM lParam;
    LONG style;  // the window's style while the own procedure ran
  };
  std::vector<OwnCall> ownCalls;      // the same messages, with what they saw
  std::vector<WPARAM> sysCommands;    // WM_SYSCOMMAND wParams, low 4 bits cleared
  bool swallowCommands = false;       // answer WM_SYSCOMMAND without acting on it
  LONG styleAtSetCursor = 0;          // the style while the own procedure ran WM_SETCURSOR
  LRESULT setCursorResult = -1;       // and its answer
  WNDPROC procAtNcDestroy = nullptr;  // the window procedure at WM_NCDESTROY
  std::function<void(UINT, WPARAM)> onMessage;
  int Count(UINT msg) const;
  static WNDPROC OwnProc();

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

// The engine's registry entries of a window: clients of one message, attachments.
int32_t ClientCount(HWND hwnd, UINT msg);
int32_t AttachCount(HWND hwnd);
int PropertyCount(HWND hwnd);

using zeltest::LiveGdiObjects;

// The window's current pixels, read through its whole-window context.
struct Image {
  int width = 0, height = 0;
  std::vector<int64_t> pixels;  // -1: not known (not painted by the frame, or off screen)
  int64_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  int64_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Image ReadWindow(HWND hwnd);

// What the frame should show, built from the two pictures pixel by pixel.
struct FrameState {
  int width = 0, height = 0;
  bool active = true;
  bool hasClose = true, hasMaximize = true, hasMinimize = true;
  bool maximized = false, sizable = true;
  POINT cursor{-10000, -10000};             // window-relative
  bool pressed[3] = {false, false, false};  // close, maximize, minimize
};
Image ExpectedFrame(const Skin& skin, const FrameState& state);
// The button rectangles (close, maximize, minimize) the skin places for a state.
std::vector<RECT> ExpectedButtons(const Skin& skin, const FrameState& state);

// The frame state of a real window: its size, style and the current cursor.
FrameState StateOf(HWND hwnd, bool active);

// Compares the pixels of expected that are known with actual, leaving out the
// rectangle `skip` (window coordinates); describes the first differences.
struct Comparison {
  int known = 0;  // pixels of expected that are known, outside skip
  int compared = 0;
  int mismatches = 0;
  std::string report;
};
Comparison Compare(const Image& expected, const Image& actual, const RECT& skip);

// Message pumping on the test thread.
void PumpFor(int ms);
bool PumpUntil(const std::function<bool()>& done, int timeout_ms);

// Mouse input played on a thread of its own while the test thread pumps messages
// (the frame's drag loop blocks the test thread while a button is down).
struct MouseStep {
  enum Kind { kDown, kUp, kMoveBy, kWait } kind;
  int a = 0, b = 0;  // kMoveBy: dx, dy; kWait: milliseconds
};
void PlayMouse(const std::vector<MouseStep>& steps, int settle_ms = 300);
// Puts the cursor at a screen point and waits until the system reports it there.
void MoveCursor(int x, int y);
POINT CursorPos();

}  // namespace skin_test
