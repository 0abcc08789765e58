// Messages per second through a window attached to the engine (no client for
// the message; one Response_Alone client), against the same kind of window
// subclassed with SetWindowSubclass and left alone. All in one run; printed
// as ratios to the unsubclassed window.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "subclass/g_subclass.h"

namespace {

constexpr UINT kMeasured = WM_APP + 1;
constexpr UINT kOther = WM_APP + 2;

LRESULT CALLBACK OwnProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kMeasured) return static_cast<LRESULT>(wParam + 1);
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK PlatformSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR) {
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

class AloneClient : public ISubclass {
 public:
  int32_t MsgResponse() override { return Response_Alone; }
  void MsgResponse(int32_t) override {}
  LRESULT WindowProc(HWND, UINT, WPARAM wParam, LPARAM) override {
    return static_cast<LRESULT>(wParam + 1);
  }
};

HWND MakeWindow() {
  return CreateWindowExW(0, L"ZelSubclassBench", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// Messages per second over `count` sends; checks every answer so nothing is skipped.
double Rate(HWND hwnd, int count) {
  LARGE_INTEGER frequency, start, stop;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < count; ++i) {
    if (SendMessageW(hwnd, kMeasured, static_cast<WPARAM>(i), 0) != static_cast<LRESULT>(i + 1)) {
      std::fprintf(stderr, "wrong answer\n");
      ExitProcess(2);
    }
  }
  QueryPerformanceCounter(&stop);
  return count * static_cast<double>(frequency.QuadPart) /
         static_cast<double>(stop.QuadPart - start.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
  const int rounds = 5;
  WNDCLASSW wc{};
  wc.lpfnWndProc = &OwnProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ZelSubclassBench";
  RegisterClassW(&wc);

  HWND plain = MakeWindow();
  HWND platform = MakeWindow();
  HWND passThrough = MakeWindow();
  HWND alone = MakeWindow();
  SetWindowSubclass(platform, &PlatformSubclassProc, 1, 0);
  GSubclass engine;
  AloneClient client;
  engine.Attach_Message(&client, passThrough, kOther);
  engine.Attach_Message(&client, alone, kMeasured);

  struct Case {
    const char* name;
    HWND hwnd;
    std::vector<double> rates;
  } cases[] = {{"unsubclassed", plain, {}},
               {"SetWindowSubclass", platform, {}},
               {"engine, no client for the message", passThrough, {}},
               {"engine, one Response_Alone client", alone, {}}};
  // Rounds interleave the cases so that load on the machine hits them alike.
  for (auto& c : cases) Rate(c.hwnd, count / 10);
  for (int r = 0; r < rounds; ++r) {
    for (auto& c : cases) c.rates.push_back(Rate(c.hwnd, count));
  }

  std::printf("%d messages x %d rounds, median rate\n", count, rounds);
  double base = 0;
  for (auto& c : cases) {
    std::sort(c.rates.begin(), c.rates.end());
    double median = c.rates[c.rates.size() / 2];
    if (base == 0) base = median;
    std::printf("  %-36s %12.0f msg/s   ratio to unsubclassed %.4f\n", c.name, median,
                median / base);
  }
  const double platformRate = cases[1].rates[rounds / 2];
  std::printf("  engine / SetWindowSubclass: no client %.4f, one client %.4f\n",
              cases[2].rates[rounds / 2] / platformRate, cases[3].rates[rounds / 2] / platformRate);

  engine.Detach_Message(&client, passThrough, kOther);
  engine.Detach_Message(&client, alone, kMeasured);
  RemoveWindowSubclass(platform, &PlatformSubclassProc, 1);
  for (HWND h : {plain, platform, passThrough, alone}) DestroyWindow(h);
  return 0;
}
