// Hit-testing, caption buttons and dragging of the skinned frame.
#include "skin/neo_class.h"

#include <windowsx.h>

#include "graphics/gdi.h"

#include "skin/frame_input.h"
#include "skin/frame_parts.h"
#include "win32/message_loop.h"

using namespace zel::frame;

POINT cNeoClass::Window_Cursor() const {
  POINT p{};
  GetCursorPos(&p);
  RECT rc{};
  GetWindowRect(Target_hWnd, &rc);
  return POINT{p.x - rc.left, p.y - rc.top};
}

// For the point the message asks about, which need not be where the cursor is now.
int32_t cNeoClass::Hit_Test(POINT screen) const {
  RECT rc{};
  GetWindowRect(Target_hWnd, &rc);
  const POINT p{screen.x - rc.left, screen.y - rc.top};
  OffsetRect(&rc, -rc.left, -rc.top);
  if (!PtInRect(&rc, p)) return HTCLIENT;

  const int x = p.x, y = p.y, W = rc.right, H = rc.bottom;
  const int L = Left_Width, R = Right_Width, B = Bottom_Height, T = Top_Height;
  const int C = Caption_Height;
  int32_t code;
  if (x <= L) {
    code = y <= B ? HTTOPLEFT : y < H - B ? HTLEFT : HTBOTTOMLEFT;
  } else if (x >= W - R) {
    code = y <= B ? HTTOPRIGHT : y < H - B ? HTRIGHT : HTBOTTOMRIGHT;
  } else if (y <= B) {
    code = HTTOP;
  } else if (y >= H - B) {
    code = HTBOTTOM;
  } else if (y > T || y > C + B) {
    code = HTCLIENT;  // the caption zone ends at C + B rows, not at the picture's height
  } else {
    code = x <= C ? HTSYSMENU : HTCAPTION;
  }
  if (!Is_Sizable && code != HTCLIENT && code != HTCAPTION && code != HTSYSMENU) code = HTCLIENT;
  return code;
}

void cNeoClass::Press_Buttons(int x, int y, HDC hdc) {
  const POINT p{x, y};
  for (int index = 0; index < kButtonCount; ++index) {
    if (!Button_Shown(index)) continue;
    if (!PtInRect(&Button_Rect[index], p)) continue;
    Draw_Button(hdc, index, kButtonPressed, Button_Rect[index]);
    Pressed_Flag(index) = true;
  }
}

void cNeoClass::Release_Buttons(int x, int y, HDC hdc) {
  const POINT p{x, y};
  if (Has_Close && PtInRect(&Button_Rect[kClose], p) && Pressed_Close) Post_SysCommand(SC_CLOSE);
  if (Has_Maximize && PtInRect(&Button_Rect[kMaximize], p) && Pressed_Maximize) {
    const bool maximized = (GetWindowLongA(Target_hWnd, GWL_STYLE) & WS_MAXIMIZE) != 0;
    Post_SysCommand(maximized ? SC_RESTORE : SC_MAXIMIZE);
  }
  if (Has_Minimize && PtInRect(&Button_Rect[kMinimize], p) && Pressed_Minimize) {
    Post_SysCommand(SC_MINIMIZE);
  }
  for (int index = 0; index < kButtonCount; ++index) {
    Draw_Button(hdc, index, kButtonNormal, Button_Rect[index]);
  }
  Pressed_Minimize = false;
  Pressed_Maximize = false;
  Pressed_Close = false;
}

LRESULT cNeoClass::On_NcLButtonDown(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  (void)wParam;
  // Nudge the pointer by one pixel, alternately up-left and down-right.
  if (Nudge_X == 0) Nudge_X = 1;
  if (Nudge_Y == 0) Nudge_Y = 1;
  Nudge_X = -Nudge_X;
  Nudge_Y = -Nudge_Y;
  mouse_event(MOUSEEVENTF_MOVE, static_cast<DWORD>(Nudge_X), static_cast<DWORD>(Nudge_Y), 0, 0);

  const int32_t code = Hit_Test(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  if (Last_HitTest == HTCAPTION) {
    if (!Is_Active) SetForegroundWindow(Target_hWnd);
    Drag_Window();
    return 0;
  }
  const POINT p = Window_Cursor();
  {
    const zel::WindowDc window(Target_hWnd, zel::WindowDc::kWholeWindow);
    Press_Buttons(p.x, p.y, window.dc());
  }
  // The window's own procedure sizes from an edge or opens the system menu.
  Subclasser.Get_OldProc(hwnd, iMsg, static_cast<WPARAM>(code), lParam);
  Repaint_Frame(hwnd);
  return 0;
}

LRESULT cNeoClass::On_NcLButtonUp() {
  const POINT p = Window_Cursor();
  const zel::WindowDc window(Target_hWnd, zel::WindowDc::kWholeWindow);
  Press_Buttons(p.x, p.y, window.dc());
  Release_Buttons(p.x, p.y, window.dc());
  return 0;
}

void cNeoClass::Drag_Window() {
  if (GetWindowLongA(Target_hWnd, GWL_STYLE) & WS_MAXIMIZE) return;

  auto window_rect = [this] {
    RECT rc{};
    GetWindowRect(Target_hWnd, &rc);
    if (HWND parent = GetParent(Target_hWnd)) {
      MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
    }
    return rc;
  };
  RECT rc = window_rect();
  POINT last{};
  GetCursorPos(&last);

  bool quitting = false;
  // A window destroyed meanwhile, or a frame released meanwhile (both detach it),
  // also ends the drag.
  while (!quitting && Target_hWnd && zel::frame_input::PrimaryButtonDown() && Is_Active) {
    POINT p{};
    GetCursorPos(&p);
    if (p.x != last.x || p.y != last.y) {
      SetWindowPos(Target_hWnd, nullptr, rc.left + p.x - last.x, rc.top + p.y - last.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER);
      last = p;
      rc = window_rect();
    }
    // Paints and activation changes during the drag are handled here; a quit
    // request is left to the program's own message loop.
    quitting = !zel::DispatchWaitingMessages();
    Sleep(1);
  }
}

void cNeoClass::Post_SysCommand(WPARAM command) {
  PostMessageA(Target_hWnd, WM_SYSCOMMAND, command, 0);
}
