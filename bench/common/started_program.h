// What the benchmarks that drive whole programs share: finding the programs of
// the build tree, starting one until its main window shows, closing it, medians.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/child_process.h"

namespace zelbench {

// Seconds on the performance counter.
double Now();
double Median(std::vector<double> values);

// A program of the build tree that holds this benchmark, e.g. L"viewer\\ZelvanoV2010.exe"
// (benchmarks live two folders down: bench/<name>/).
std::wstring InBuildTree(const wchar_t* relative);
// A program in this benchmark's own folder.
std::wstring BesideThisProgram(const wchar_t* name);

// One start of a program, from CreateProcess until a top-level window of it is
// visible. Closing asks that window to close and waits for the process to end,
// so that a single-instance program can start again at once.
class StartedProgram {
 public:
  // False when the program did not start or showed no window within `timeout_ms`.
  bool Start(const std::wstring& exe, DWORD timeout_ms = 60000);
  bool Close(DWORD timeout_ms = 30000);

  HWND window() const { return window_; }
  DWORD id() const { return process_.Id(); }
  // From CreateProcess to the visible window.
  double seconds() const { return seconds_; }

 private:
  zeltest::ChildProcess process_;
  HWND window_ = nullptr;
  double seconds_ = 0;
};

// The first child window of `parent` (at any depth) of the class `class_name`.
HWND FindDescendant(HWND parent, const wchar_t* class_name);

}  // namespace zelbench
