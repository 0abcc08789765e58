#include "common/started_program.h"

#include <algorithm>

#include "support/window_list.h"

namespace zelbench {

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

namespace {

std::wstring ThisProgram() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path;
}

// `path` without its last `count` components.
std::wstring Up(std::wstring path, int count) {
  for (int i = 0; i < count; ++i) path.erase(std::min(path.size(), path.find_last_of(L'\\')));
  return path;
}

HWND VisibleWindowOf(DWORD pid) {
  for (HWND hwnd : zeltest::TopLevelWindowsOf(pid))
    if (IsWindowVisible(hwnd)) return hwnd;
  return nullptr;
}

}  // namespace

std::wstring InBuildTree(const wchar_t* relative) {
  return Up(ThisProgram(), 3) + L"\\" + relative;
}

std::wstring BesideThisProgram(const wchar_t* name) { return Up(ThisProgram(), 1) + L"\\" + name; }

bool StartedProgram::Start(const std::wstring& exe, DWORD timeout_ms) {
  const double start = Now();
  if (!process_.Start(exe)) return false;
  const double deadline = start + timeout_ms / 1000.0;
  // Polled: a millisecond's sleep keeps the poll off the started program's core.
  while (!(window_ = VisibleWindowOf(process_.Id()))) {
    if (Now() > deadline || !process_.Running()) return false;
    Sleep(1);
  }
  seconds_ = Now() - start;
  return true;
}

bool StartedProgram::Close(DWORD timeout_ms) {
  if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
  return process_.WaitExit(timeout_ms);
}

HWND FindDescendant(HWND parent, const wchar_t* class_name) {
  for (HWND hwnd : zeltest::ChildWindows(parent))
    if (zeltest::ClassName(hwnd) == class_name) return hwnd;
  return nullptr;
}

}  // namespace zelbench
