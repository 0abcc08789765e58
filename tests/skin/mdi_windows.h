// A real MDI frame with its MDIClient and one child, for the skin's MDI cases.
#pragma once

#include <windows.h>

#include "forms/form_window.h"

namespace skin_test {

class MdiChildForm : public zel::FormWindow {
 public:
  explicit MdiChildForm(HWND h) : h_(h) {}
  HWND hwnd() const override { return h_; }
  void Refresh() override { InvalidateRect(h_, nullptr, TRUE); }

 private:
  HWND h_;
};

inline LRESULT CALLBACK MdiFrameProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  return DefFrameProcW(h, GetWindow(h, GW_CHILD), m, w, l);
}

// The MDI frame with its client and one visible child, destroyed together.
struct MdiWindows {
  HWND frame = nullptr, client = nullptr, child = nullptr;
  MdiWindows() {
    WNDCLASSW fc{};
    fc.lpfnWndProc = MdiFrameProc;
    fc.hInstance = GetModuleHandleW(nullptr);
    fc.lpszClassName = L"ZelSkinMdiTestFrame";
    RegisterClassW(&fc);
    WNDCLASSW cc{};
    cc.lpfnWndProc = DefMDIChildProcW;
    cc.hInstance = GetModuleHandleW(nullptr);
    cc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    cc.lpszClassName = L"ZelSkinMdiTestChild";
    RegisterClassW(&cc);
    frame = CreateWindowExW(0, L"ZelSkinMdiTestFrame", L"frame",
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 50, 50, 640, 480,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    CLIENTCREATESTRUCT ccs{nullptr, 1000};
    client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0,
                             0, 600, 420, frame, nullptr, GetModuleHandleW(nullptr), &ccs);
    MDICREATESTRUCTW mcs{
        L"ZelSkinMdiTestChild",           L"child", GetModuleHandleW(nullptr), 10, 10, 300, 200,
        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0};
    child = reinterpret_cast<HWND>(
        SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  }
  ~MdiWindows() {
    if (frame) DestroyWindow(frame);
  }
  MdiWindows(const MdiWindows&) = delete;
  MdiWindows& operator=(const MdiWindows&) = delete;
};

}  // namespace skin_test
