// Start-up time of the viewer, from CreateProcess to its visible main window,
// against a bare window and against a window hosting the same three controls,
// started in turn (interleaved rounds, so that load on the machine hits all
// three alike). Each is closed and has ended before the next starts.
// Run: scripts/wine-run.sh build/<dir>/bench/startup/startup_bench.exe [rounds] [viewer.exe]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/started_program.h"
#include "support/window_list.h"

namespace {

struct Program {
  const char* name;
  std::wstring exe;
  std::vector<double> times;
  int hosts = -1;  // ATL host windows seen in its window at the first start
};

int CountHosts(HWND window) {
  int count = 0;
  for (HWND child : zeltest::ChildWindows(window))
    if (zeltest::ClassName(child) == L"AtlAxWin") ++count;
  return count;
}

// Starts and closes it once; false when it showed no window or did not end.
bool Round(Program& program, bool counted) {
  zelbench::StartedProgram started;
  if (!started.Start(program.exe)) {
    std::fprintf(stderr, "%s: no visible window\n", program.name);
    return false;
  }
  if (counted) program.times.push_back(started.seconds());
  // Let it settle, so that its late work does not overlap the next start.
  Sleep(300);
  if (program.hosts < 0) program.hosts = CountHosts(started.window());
  if (!started.Close()) {
    std::fprintf(stderr, "%s: did not end after WM_CLOSE\n", program.name);
    return false;
  }
  Sleep(200);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
  std::wstring viewer = zelbench::InBuildTree(L"viewer\\ZelvanoV2010.exe");
  if (argc > 2) {
    const std::string given = argv[2];
    viewer.assign(given.begin(), given.end());
  }
  Program programs[] = {
      {"viewer", viewer, {}},
      {"hosting window", zelbench::BesideThisProgram(L"startup_hosting_window.exe"), {}},
      {"bare window", zelbench::BesideThisProgram(L"startup_bare_window.exe"), {}},
  };
  // One start each first, not counted: it brings the files and libraries into memory.
  for (Program& p : programs)
    if (!Round(p, false)) return 1;
  for (int r = 0; r < rounds; ++r)
    for (Program& p : programs)
      if (!Round(p, true)) return 1;

  std::printf("CreateProcess to visible main window, median of %d interleaved rounds\n", rounds);
  for (const Program& p : programs) {
    std::printf("  %-15s %8.1f ms  (min %.1f, max %.1f; ATL host windows: %d)\n", p.name,
                zelbench::Median(p.times) * 1e3,
                *std::min_element(p.times.begin(), p.times.end()) * 1e3,
                *std::max_element(p.times.begin(), p.times.end()) * 1e3, p.hosts);
  }
  const double viewer_ms = zelbench::Median(programs[0].times);
  std::printf("viewer / hosting window: %6.2f\n", viewer_ms / zelbench::Median(programs[1].times));
  std::printf("viewer / bare window:    %6.2f\n", viewer_ms / zelbench::Median(programs[2].times));
  return 0;
}
