#include "skin_test_support.h"

#include "support/message_pump.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace skin_test {

uint32_t CaptionPixel(int x, int y) {
  return (static_cast<uint32_t>(x & 0xFF) << 16) | (static_cast<uint32_t>(y & 0xFF) << 8) |
         (0x40u | static_cast<uint32_t>((x >> 8) & 0x3F));
}

uint32_t BordersPixel(int x, int y) {
  return (static_cast<uint32_t>(x & 0xFF) << 16) | (static_cast<uint32_t>(y & 0xFF) << 8) |
         (0xC0u | static_cast<uint32_t>((x >> 8) & 0x3F));
}

zel::Picture MakePicture(int width, int height, uint32_t (*pixel)(int, int)) {
  uint32_t* p = nullptr;
  zel::Picture picture = zel::Picture::New32(width, height, &p);
  if (!picture) return {};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p[y * width + x] = pixel(x, y);
  return picture;
}

RECT Skin::Insets() const {
  return RECT{leftBorderWidth >= 1 ? leftBorderWidth : tile, captionHeight,
              rightBorderWidth >= 1 ? rightBorderWidth : tile, tile};
}

FrameDescription Skin::Description() const {
  return {.ButtonHeight = buttonHeight,
          .ButtonWidth = buttonWidth,
          .ButtonOffsetX = buttonOffsetX,
          .ButtonOffsetY = buttonOffsetY,
          .LeftEnd = leftEnd,
          .ActiveRight = activeRight,
          .RightEnd = rightEnd,
          .LeftBorderWidth = leftBorderWidth,
          .RightBorderWidth = rightBorderWidth,
          .BorderHasInactive = static_cast<int16_t>(borderHasInactive ? -1 : 0),
          .ControlHasInactive = static_cast<int16_t>(controlHasInactive ? -1 : 0),
          .ControlButtonPosition = static_cast<int16_t>(controlButtonPosition ? -1 : 0),
          .Offset = offset};
}

void Skin::ApplyTo(cNeoClass& neo) const {
  neo.p_Caption(MakePicture(captionWidth, captionHeight, CaptionPixel));
  neo.p_Borders(MakePicture(7 * tile, BordersHeight(), BordersPixel));
  neo.p_Description(Description());
}

// ---- test window

namespace {
constexpr wchar_t kClassName[] = L"ZelSkinTestWindow";

void RegisterTestClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSW wc{};
  wc.lpfnWndProc = TestWindow::OwnProc();
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kClassName;
  registered = RegisterClassW(&wc) != 0;
}
}  // namespace

WNDPROC TestWindow::OwnProc() { return &TestWindow::Proc; }

TestWindow::TestWindow(DWORD style, int x, int y, int width, int height, HWND parent) {
  RegisterTestClass();
  hwnd_ = CreateWindowExW(0, kClassName, L"skin test", style, x, y, width, height, parent, nullptr,
                          GetModuleHandleW(nullptr), this);
}

TestWindow::~TestWindow() { Destroy(); }

void TestWindow::Destroy() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

void TestWindow::Refresh() {
  ++refreshCalls;
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

RECT TestWindow::WindowRect() const {
  RECT rc{};
  GetWindowRect(hwnd_, &rc);
  return rc;
}

RECT TestWindow::ClientInWindow() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const RECT window = WindowRect();
  OffsetRect(&client, -window.left, -window.top);
  return client;
}

int TestWindow::Count(UINT msg) const {
  return static_cast<int>(std::count(ownMessages.begin(), ownMessages.end(), msg));
}

LRESULT CALLBACK TestWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self) {
    self->ownMessages.push_back(msg);
    self->ownCalls.push_back({msg, lParam, GetWindowLongW(hwnd, GWL_STYLE)});
    if (self->onMessage) self->onMessage(msg, wParam);
    switch (msg) {
      case WM_SYSCOMMAND:
        self->sysCommands.push_back(wParam & 0xFFF0);
        if (self->swallowCommands) return 0;
        break;
      case WM_SETCURSOR:
        self->styleAtSetCursor = GetWindowLongW(hwnd, GWL_STYLE);
        self->setCursorResult = DefWindowProcW(hwnd, msg, wParam, lParam);
        return self->setCursorResult;
      case WM_NCDESTROY:
        self->procAtNcDestroy = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
      default:
        break;
    }
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// ---- registry and handles

namespace {
std::string Decimal(int64_t v) { return std::to_string(v); }
std::string WindowName(HWND hwnd) {
  return Decimal(static_cast<int32_t>(reinterpret_cast<intptr_t>(hwnd)));
}
BOOL CALLBACK CountProp(HWND, LPSTR, HANDLE, ULONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}
}  // namespace

int32_t ClientCount(HWND hwnd, UINT msg) {
  const std::string name = WindowName(hwnd) + "#" + Decimal(msg) + "C";
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(GetPropA(hwnd, name.c_str())));
}

int32_t AttachCount(HWND hwnd) {
  const std::string name = "C" + WindowName(hwnd);
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(GetPropA(hwnd, name.c_str())));
}

int PropertyCount(HWND hwnd) {
  int count = 0;
  EnumPropsExA(hwnd, CountProp, reinterpret_cast<LPARAM>(&count));
  return count;
}

// ---- pixels

Image ReadWindow(HWND hwnd) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  Image img;
  img.width = rc.right - rc.left;
  img.height = rc.bottom - rc.top;
  img.pixels.assign(static_cast<size_t>(img.width) * img.height, -1);

  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = img.width;
  bi.bmiHeader.biHeight = -img.height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, dib);
  HDC wdc = GetWindowDC(hwnd);
  BitBlt(mem, 0, 0, img.width, img.height, wdc, 0, 0, SRCCOPY);
  ReleaseDC(hwnd, wdc);
  GdiFlush();
  // Only what lies on the screen can be read back.
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  const auto* p = static_cast<const uint32_t*>(bits);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const int sx = rc.left + x, sy = rc.top + y;
      if (sx < 0 || sy < 0 || sx >= sw || sy >= sh) continue;
      img.at(x, y) = p[y * img.width + x] & 0xFFFFFF;
    }
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(dib);
  return img;
}

std::vector<RECT> ExpectedButtons(const Skin& k, const FrameState& st) {
  const int RW = k.rightEnd - k.activeRight + 1;
  const int xRight = std::max(st.width - RW + 1, RW);
  int bx =
      k.controlButtonPosition ? st.width + k.buttonOffsetX : xRight + RW - k.BordersHeight() + 4;
  const int by = k.controlButtonPosition ? k.buttonOffsetY : 5;
  const bool shown[3] = {st.hasClose, st.hasMaximize, st.hasMinimize};
  std::vector<RECT> rects(3, RECT{0, 0, 0, 0});
  for (int i = 0; i < 3; ++i) {
    if (!shown[i]) continue;
    bx -= k.buttonWidth + 1;
    rects[i] = RECT{bx, by, bx + k.buttonWidth + 1, by + k.buttonHeight};
  }
  return rects;
}

Image ExpectedFrame(const Skin& k, const FrameState& st) {
  const int W = st.width, H = st.height, h0 = k.captionHeight, S = k.tile;
  const int xShift = st.active ? 0 : k.offset;
  const int ySrc = k.borderHasInactive && !st.active ? S : 0;
  Image img;
  img.width = W;
  img.height = H;
  img.pixels.assign(static_cast<size_t>(W) * H, -1);
  // A source pixel outside the picture is not copied: the destination keeps its value.
  auto set = [&](int x, int y, int sx, int sy, bool caption) {
    if (x < 0 || y < 0 || x >= W || y >= H) return;
    const int pw = caption ? k.captionWidth : 7 * S;
    const int ph = caption ? k.captionHeight : k.BordersHeight();
    if (sx < 0 || sy < 0 || sx >= pw || sy >= ph) return;
    img.at(x, y) = caption ? CaptionPixel(sx, sy) : BordersPixel(sx, sy);
  };

  // Caption bar: left end, right end, middle tiles, buttons.
  const int RW = k.rightEnd - k.activeRight + 1;
  const int xRight = std::max(W - RW + 1, RW);
  const int tile = k.activeRight - k.leftEnd > 0 ? k.activeRight - k.leftEnd : 16;
  for (int y = 0; y < h0; ++y) {
    for (int x = 0; x < k.leftEnd; ++x) set(x, y, x + xShift, y, true);
    for (int x = xRight; x < xRight + RW; ++x)
      set(x, y, k.activeRight + xShift + x - xRight, y, true);
    for (int x = k.leftEnd; x < xRight; ++x)
      set(x, y, k.leftEnd + 1 + xShift + (x - k.leftEnd) % tile, y, true);
  }
  const std::vector<RECT> buttons = ExpectedButtons(k, st);
  const bool shown[3] = {st.hasClose, st.hasMaximize, st.hasMinimize};
  const int glyph[3] = {0, st.maximized ? 1 : 2, 3};
  for (int i = 0; i < 3; ++i) {
    if (!shown[i]) continue;
    const RECT& r = buttons[i];
    const bool down = st.pressed[i] && PtInRect(&r, st.cursor);
    const int col =
        k.rightEnd + glyph[i] * k.buttonWidth + (k.controlHasInactive && !st.active ? k.offset : 0);
    const int row = down ? k.buttonHeight : 0;
    for (int gy = 0; gy < k.buttonHeight && r.top + gy < h0; ++gy)
      for (int gx = 0; gx < k.buttonWidth; ++gx)
        set(r.left + gx, r.top + gy, col + gx, row + gy, true);
  }

  // Side edges: tiles 0 and 4 repeated downward from the caption's bottom.
  auto strip = [&](int x, int y, int sx, int sy) {
    if (sx < 0) return;  // left of the strip: nothing copied
    if (sx >= 2 * S) {
      if (x >= 0 && x < W && y < H) img.at(x, y) = -1;  // beyond the strip: not defined
      return;
    }
    set(x, y, (sx < S ? 0 : 4 * S) + sx % S, ySrc + sy % S, false);
  };
  const int LW = k.leftBorderWidth >= 1 ? k.leftBorderWidth : S;
  const int RWc = k.rightBorderWidth >= 1 ? k.rightBorderWidth + 1 : S;
  for (int y = h0; y < H; ++y) {
    for (int x = 0; x < LW; ++x) strip(x, y, x, y - h0);
    for (int x = W - RWc; x < W; ++x) strip(x, y, x - W + 2 * S, y - h0);
  }

  // Bottom edge, cut to the caption buffer's height.
  const int corner = st.sizable ? 6 : 5;
  for (int r = 0; r < S && r < h0; ++r) {
    const int y = H - S + r;
    for (int x = 0; x < W; ++x) {
      if (x >= W - S) {
        set(x, y, corner * S + x - (W - S), ySrc + r, false);
      } else if (x < S) {
        set(x, y, 2 * S + x, ySrc + r, false);
      } else {
        set(x, y, 3 * S + x % S, ySrc + r, false);
      }
    }
  }
  return img;
}

FrameState StateOf(HWND hwnd, bool active) {
  RECT rc{};
  GetWindowRect(hwnd, &rc);
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  FrameState st;
  st.width = rc.right - rc.left;
  st.height = rc.bottom - rc.top;
  st.active = active;
  st.hasClose = (style & WS_SYSMENU) != 0;
  st.hasMaximize = (style & WS_MAXIMIZEBOX) != 0;
  st.hasMinimize = (style & WS_MINIMIZEBOX) != 0;
  st.maximized = (style & WS_MAXIMIZE) != 0;
  st.sizable = (style & WS_THICKFRAME) != 0;
  const POINT p = CursorPos();
  st.cursor = POINT{p.x - rc.left, p.y - rc.top};
  return st;
}

Comparison Compare(const Image& expected, const Image& actual, const RECT& skip) {
  Comparison c;
  if (expected.width != actual.width || expected.height != actual.height) {
    c.mismatches = 1;
    c.report = "size differs";
    return c;
  }
  for (int y = 0; y < expected.height; ++y)
    for (int x = 0; x < expected.width; ++x) {
      const POINT p{x, y};
      if (PtInRect(&skip, p)) continue;
      const int64_t e = expected.at(x, y), a = actual.at(x, y);
      if (e < 0) continue;
      ++c.known;
      if (a < 0) continue;
      ++c.compared;
      if (e == a) continue;
      if (++c.mismatches <= 12) {
        char line[96];
        std::snprintf(line, sizeof line, "(%d,%d) expected %06llx got %06llx\n", x, y,
                      static_cast<unsigned long long>(e), static_cast<unsigned long long>(a));
        c.report += line;
      }
    }
  return c;
}

// ---- messages and input

void PumpFor(int ms) { zeltest::PumpMessages(std::chrono::milliseconds(ms)); }

bool PumpUntil(const std::function<bool()>& done, int timeout_ms) {
  return zeltest::PumpUntil(done, std::chrono::milliseconds(timeout_ms));
}

void PlayMouse(const std::vector<MouseStep>& steps, int settle_ms) {
  std::atomic<bool> finished{false};
  std::thread player([&] {
    for (const MouseStep& s : steps) {
      switch (s.kind) {
        case MouseStep::kDown:
          mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
          break;
        case MouseStep::kUp:
          mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
          break;
        case MouseStep::kMoveBy:
          mouse_event(MOUSEEVENTF_MOVE, static_cast<DWORD>(s.a), static_cast<DWORD>(s.b), 0, 0);
          break;
        case MouseStep::kWait:
          Sleep(static_cast<DWORD>(s.a));
          break;
      }
    }
    finished = true;
  });
  PumpUntil([&] { return finished.load(); }, 10000);
  player.join();
  PumpFor(settle_ms);
}

void MoveCursor(int x, int y) {
  SetCursorPos(x, y);
  PumpUntil(
      [&] {
        const POINT p = CursorPos();
        return p.x == x && p.y == y;
      },
      1000);
}

POINT CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return p;
}

}  // namespace skin_test
