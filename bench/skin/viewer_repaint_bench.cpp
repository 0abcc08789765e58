// Times one repaint of the running viewer's frame as another program causes it:
// WM_NCPAINT sent to the viewer's main window from this process, less the round
// trip of a WM_NULL sent the same way, against one full-window BitBlt of the same
// size into a window of this process. Interleaved passes; prints the ratio.
// Run: scripts/wine-run.sh build/<dir>/bench/skin/viewer_repaint_bench.exe [viewer.exe]
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "common/started_program.h"

namespace {

constexpr int kRounds = 7, kPerRound = 200, kPasses = 3;

// Median over rounds of the mean time of one operation, in microseconds.
double Measure(const std::function<void()>& op) {
  for (int i = 0; i < 20; ++i) op();
  std::vector<double> rounds;
  for (int r = 0; r < kRounds; ++r) {
    const double t0 = zelbench::Now();
    for (int i = 0; i < kPerRound; ++i) op();
    GdiFlush();
    rounds.push_back((zelbench::Now() - t0) * 1e6 / kPerRound);
  }
  return zelbench::Median(rounds);
}

bool Send(HWND hwnd, UINT msg, WPARAM wParam) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(hwnd, msg, wParam, 0, SMTO_NORMAL, 5000, &result) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::wstring viewer = zelbench::InBuildTree(L"viewer\\ZelvanoV2010.exe");
  if (argc > 1) {
    const std::string given = argv[1];
    viewer.assign(given.begin(), given.end());
  }
  zelbench::StartedProgram started;
  if (!started.Start(viewer)) {
    std::fprintf(stderr, "the viewer showed no window\n");
    return 1;
  }
  HWND main = started.window();
  Sleep(1000);  // its start-up work done
  RECT r{};
  GetWindowRect(main, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;

  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ZelRepaintBench";
  RegisterClassW(&wc);
  // Over the viewer while the blits are timed, so that none is clipped by the
  // screen's edge; hidden while the viewer's paints are.
  HWND own = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP,
                             r.left, r.top, width, height, nullptr, nullptr, wc.hInstance, nullptr);
  HDC screen = GetDC(nullptr);
  HDC source = CreateCompatibleDC(screen);
  HBITMAP full = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(source, full);

  bool answered = true;
  double paint = 0, null_trip = 0, blit = 0;
  for (int pass = 0; pass < kPasses; ++pass) {
    paint += Measure([&] { answered &= Send(main, WM_NCPAINT, 1); });
    null_trip += Measure([&] { answered &= Send(main, WM_NULL, 0); });
    ShowWindow(own, SW_SHOWNOACTIVATE);
    blit += Measure([&] {
      HDC dc = GetWindowDC(own);
      BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
      ReleaseDC(own, dc);
    });
    ShowWindow(own, SW_HIDE);
    Sleep(300);  // the viewer repaints what the window covered
  }
  paint /= kPasses;
  null_trip /= kPasses;
  blit /= kPasses;

  SelectObject(source, old);
  DeleteObject(full);
  DeleteDC(source);
  DestroyWindow(own);
  const bool closed = started.Close();
  if (!answered) {
    std::fprintf(stderr, "the viewer did not answer every message\n");
    return 1;
  }

  std::printf("viewer window %d x %d, median of %d rounds of %d, %d passes\n", width, height,
              kRounds, kPerRound, kPasses);
  std::printf("WM_NCPAINT from another process: %8.1f us\n", paint);
  std::printf("WM_NULL round trip:              %8.1f us\n", null_trip);
  std::printf("frame repaint (difference):      %8.1f us\n", paint - null_trip);
  std::printf("one full-window BitBlt:          %8.1f us\n", blit);
  std::printf("frame repaint / BitBlt:          %8.2f\n", (paint - null_trip) / blit);
  return closed ? 0 : 1;
}
