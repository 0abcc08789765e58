#include "support/window_list.h"

namespace zeltest {
namespace {

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> TopLevelWindowsOf(DWORD pid) {
  std::vector<HWND> windows;
  for (HWND hwnd : TopLevelWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == pid) windows.push_back(hwnd);
  }
  return windows;
}

std::wstring WindowText(HWND hwnd) {
  std::wstring text(GetWindowTextLengthW(hwnd) + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
  return text;
}

std::wstring ClassName(HWND hwnd) {
  wchar_t name[256] = {};  // the longest class name Windows allows
  GetClassNameW(hwnd, name, 256);
  return name;
}

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

RECT RectInParent(HWND hwnd) {
  RECT r = WindowRect(hwnd);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace zeltest
