// Times one paint of the skinned frame of a window of the main window's size
// (745 x 400), against the platform's own non-client paint of a window of the same
// size and against one full-window BitBlt, all in one run, and prints the ratios.
// Run: scripts/wine-run.sh build/<dir>/bench/skin/skin_frame_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "forms/form_window.h"
#include "graphics/picture.h"
#include "skin/neo_class.h"

namespace {

constexpr int kWidth = 745, kHeight = 400;
constexpr int kRounds = 7, kPerRound = 300;

// A picture with a smooth pattern, as a drawn skin would have.
zel::Picture MakePicture(int width, int height, uint32_t seed) {
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* p = static_cast<uint32_t*>(bits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p[y * width + x] = (seed * 31 + x * 3 + y * 5) & 0xFFFFFF;
  return zel::Picture::FromBitmap(bitmap);
}

class Window : public zel::FormWindow {
 public:
  Window(int x, int y) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"ZelSkinBench";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, L"ZelSkinBench", L"Zelvano", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y,
                            kWidth, kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  HWND hwnd() const override { return hwnd_; }
  void Refresh() override { RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

 private:
  HWND hwnd_;
};

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

double Now() {
  LARGE_INTEGER c, f;
  QueryPerformanceCounter(&c);
  QueryPerformanceFrequency(&f);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Median over rounds of the mean time of one operation, in microseconds.
double Measure(const std::function<void()>& op) {
  for (int i = 0; i < 30; ++i) op();
  std::vector<double> rounds;
  for (int r = 0; r < kRounds; ++r) {
    const double t0 = Now();
    for (int i = 0; i < kPerRound; ++i) op();
    GdiFlush();
    rounds.push_back((Now() - t0) * 1e6 / kPerRound);
    Pump();
  }
  std::sort(rounds.begin(), rounds.end());
  return rounds[rounds.size() / 2];
}

}  // namespace

int main() {
  Window skinned(0, 0);
  Window plain(0, kHeight + 20);

  // Proportions of the shipped skins: a one-column middle tile, 4-pixel edges.
  cNeoClass neo;
  neo.p_Caption(MakePicture(560, 30, 1));
  neo.p_Borders(MakePicture(28, 4, 2));
  neo.p_LeftEnd(120);
  neo.p_ActiveRight(121);
  neo.p_RightEnd(180);
  neo.p_ButtonWidth(25);
  neo.p_ButtonHeight(14);
  neo.p_Offset(280);
  neo.Attach(skinned);
  SetForegroundWindow(skinned.hwnd());
  Pump();

  HDC source = CreateCompatibleDC(nullptr);
  HDC screen = GetDC(nullptr);
  HBITMAP full = CreateCompatibleBitmap(screen, kWidth, kHeight);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(source, full);

  // Interleaved so that drift affects all three alike.
  double skin = 0, own = 0, blit = 0, dispatch = 0;
  for (int pass = 0; pass < 3; ++pass) {
    skin += Measure([&] { SendMessageW(skinned.hwnd(), WM_NCPAINT, 1, 0); });
    // A frame message that paints nothing: the cost of reaching the handler.
    dispatch += Measure([&] { SendMessageW(skinned.hwnd(), WM_ACTIVATEAPP, 1, 0); });
    own += Measure([&] { SendMessageW(plain.hwnd(), WM_NCPAINT, 1, 0); });
    blit += Measure([&] {
      HDC dc = GetWindowDC(skinned.hwnd());
      BitBlt(dc, 0, 0, kWidth, kHeight, source, 0, 0, SRCCOPY);
      ReleaseDC(skinned.hwnd(), dc);
    });
  }
  skin /= 3;
  own /= 3;
  blit /= 3;
  dispatch /= 3;

  SelectObject(source, old);
  DeleteObject(full);
  DeleteDC(source);

  std::printf("window %d x %d, median of %d rounds of %d paints, 3 passes\n", kWidth, kHeight,
              kRounds, kPerRound);
  std::printf("skinned frame paint:        %8.1f us\n", skin);
  std::printf("  of which message dispatch: %7.1f us (WM_ACTIVATEAPP through the subclass)\n",
              dispatch);
  std::printf("platform non-client paint:  %8.1f us\n", own);
  std::printf("one full-window BitBlt:     %8.1f us\n", blit);
  std::printf("skinned / platform frame:   %8.2f\n", skin / own);
  std::printf("skinned / full-window blit: %8.2f\n", skin / blit);
  return 0;
}
