// Helper process for the subclassing tests: owns one window of its own, prints
// its handle in decimal on stdout and lives until its stdin is closed.
#include <windows.h>

#include <cstdio>

int main() {
  HWND hwnd = CreateWindowExW(0, L"STATIC", L"window of another process", WS_POPUP, 0, 0, 50, 50,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) return 1;
  std::printf("%lld\n", static_cast<long long>(reinterpret_cast<intptr_t>(hwnd)));
  std::fflush(stdout);
  char buffer[16];
  DWORD read = 0;
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof(buffer), &read, nullptr) &&
         read > 0) {
  }
  DestroyWindow(hwnd);
  return 0;
}
