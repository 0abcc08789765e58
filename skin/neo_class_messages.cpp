// The frame messages of the attached window: non-client size, painting, activation,
// cursor and menu handling. Mouse handling on the frame is in neo_class_mouse.cpp.
#include "skin/neo_class.h"

#include "graphics/gdi.h"

#include <windowsx.h>

#include <cstring>

LRESULT cNeoClass::Repaint_Frame(HWND hwnd) {
  // Straight to the handler, not through the engine.
  return ISubclass_WindowProc(hwnd, WM_NCPAINT, 0, 0);
}

LRESULT cNeoClass::ISubclass_WindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  switch (iMsg) {
    case WM_DESTROY:
      Unhook_Window();
      return 0;
    case WM_SIZE:
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
      Subclasser.Get_OldProc(hwnd, iMsg, wParam, lParam);
      Repaint_Frame(hwnd);
      return 0;
    case WM_SETTEXT:
    case WM_STYLECHANGED:
    case WM_NCLBUTTONDBLCLK: {
      const LRESULT result = Subclasser.Get_OldProc(hwnd, iMsg, wParam, lParam);
      // The cursor handler's own style changes must not repaint.
      if (!In_SetCursor) Repaint_Frame(hwnd);
      return result;
    }
    case WM_ACTIVATEAPP:
      return 0;
    case WM_SETCURSOR:
      return On_SetCursor(hwnd, iMsg, wParam, lParam);
    case WM_NCCALCSIZE:
      return On_NcCalcSize(hwnd, iMsg, wParam, lParam);
    case WM_NCHITTEST:
      Last_HitTest = Hit_Test(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return Last_HitTest;
    case WM_NCPAINT:
      return On_NcPaint();
    case WM_NCACTIVATE: {
      Is_Active = wParam != 0;
      const LRESULT result = Subclasser.Get_OldProc(hwnd, iMsg, wParam, lParam);
      Repaint_Frame(hwnd);
      RedrawWindow(Target_hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ALLCHILDREN | RDW_UPDATENOW);
      return result;
    }
    case WM_NCLBUTTONDOWN:
      return On_NcLButtonDown(hwnd, iMsg, wParam, lParam);
    case WM_NCLBUTTONUP:
      return On_NcLButtonUp();
    default:
      return 0;
  }
}

LRESULT cNeoClass::On_NcCalcSize(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  // wParam 0: the window's own procedure has already answered (it runs before this
  // handler) and turned the rectangle into its client rectangle; a second run
  // would inset it twice. Its answer for wParam 0 is 0.
  (void)hwnd;
  (void)iMsg;
  if (wParam == 0) return 0;
  if (lParam == 0) return 0;

  NCCALCSIZE_PARAMS params;
  std::memcpy(&params, reinterpret_cast<const void*>(lParam), sizeof(params));
  if (!params.lppos) return 0;
  WINDOWPOS pos;
  std::memcpy(&pos, params.lppos, sizeof(pos));

  RECT& rc = params.rgrc[0];
  rc = RECT{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
  if (!(IsZoomed(Target_hWnd) && Is_MDIChild)) Recompute_Frame_Sizes();
  rc = RECT{rc.left + Left_Width, rc.top + Top_Height, rc.right - Right_Width - 1,
            rc.bottom - Bottom_Height - 1};
  params.rgrc[1] = rc;
  std::memcpy(reinterpret_cast<void*>(lParam), &params, sizeof(params));
  return WVR_VALIDRECTS;
}

LRESULT cNeoClass::On_NcPaint() {
  if (!IsWindowVisible(Target_hWnd)) return 0;
  // A maximized MDI child has no frame of its own.
  if (IsZoomed(Target_hWnd) && Is_MDIChild) return 0;
  const zel::WindowDc window(Target_hWnd, zel::WindowDc::kWholeWindow);
  if (!window.dc()) return 0;
  RECT rc{};
  GetWindowRect(Target_hWnd, &rc);
  OffsetRect(&rc, -rc.left, -rc.top);
  Paint_Frame(window.dc(), 0, 0, rc.right, rc.bottom);
  return 0;
}

LRESULT cNeoClass::On_SetCursor(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  In_SetCursor = true;
  // Without WS_VISIBLE the window's own procedure draws nothing of the standard frame.
  const LONG style = GetWindowLongA(Target_hWnd, GWL_STYLE);
  SetWindowLongA(Target_hWnd, GWL_STYLE, style & ~WS_VISIBLE);
  const LRESULT result = Subclasser.Get_OldProc(hwnd, iMsg, wParam, lParam);
  // The skinned frame has no menu bar. A window frees only the menu it still
  // has, so the frame keeps the one it takes and frees it with the attachment.
  if (HMENU menu = GetMenu(Target_hWnd)) {
    SetMenu(Target_hWnd, nullptr);
    if (menu != Removed_Menu) Free_Removed_Menu();
    Removed_Menu = menu;
  }
  SetWindowLongA(Target_hWnd, GWL_STYLE, style);
  In_SetCursor = false;
  return result;
}
