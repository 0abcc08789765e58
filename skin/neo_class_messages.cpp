// The frame messages of the attached window: non-client size, painting, activation,
// cursor and menu handling. Mouse handling on the frame is in neo_class_mouse.cpp.
#include "skin/neo_class.h"

#include "graphics/gdi.h"
#include "skin/frame_parts.h"

#include <windowsx.h>

#include <cstring>

LRESULT cNeoClass::Repaint_Frame(HWND hwnd) {
  // Straight to the handler, not through the engine.
  return ISubclass_WindowProc(hwnd, WM_NCPAINT, 0, 0);
}

LRESULT cNeoClass::ISubclass_WindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  switch (iMsg) {
    case WM_DESTROY:
      Unhook_Window(true);
      return 0;
    case WM_SIZE:
      Subclasser.Get_OldProc(hwnd, iMsg, wParam, lParam);
      Repaint_Frame(hwnd);
      return 0;
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
      Locked_OldProc(hwnd, iMsg, wParam, lParam);
      Repaint_Frame(hwnd);
      return 0;
    case WM_SETTEXT:
    case WM_SETICON: {
      const LRESULT result = Locked_OldProc(hwnd, iMsg, wParam, lParam);
      if (!In_SetCursor) Repaint_Frame(hwnd);
      return result;
    }
    case zel::frame::kNcUahDrawCaption:
    case zel::frame::kNcUahDrawFrame:
      return 0;  // the frame draws the caption, never the system
    case WM_WINDOWPOSCHANGED:
      Fit_Region();
      return 0;
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
    case WM_NCACTIVATE:
      return On_NcActivate(hwnd, iMsg, wParam);
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
  if (Is_MDIChild && IsZoomed(Target_hWnd)) return 0;
  const zel::WindowDc window(Target_hWnd, zel::WindowDc::kWholeWindow);
  if (!window.dc()) return 0;
  RECT rc{};
  GetWindowRect(Target_hWnd, &rc);
  OffsetRect(&rc, -rc.left, -rc.top);
  Paint_Frame(window.dc(), 0, 0, rc.right, rc.bottom);
  return 0;
}

cNeoClass::Redraw_Lock::Redraw_Lock(cNeoClass& frame)
    : frame_(frame),
      hwnd_(frame.Target_hWnd),
      style_(GetWindowLongW(hwnd_, GWL_STYLE)),
      was_in_set_cursor_(frame.In_SetCursor) {
  frame_.In_SetCursor = true;
  // Without WS_VISIBLE the system draws nothing of its own frame.
  if (style_ & WS_VISIBLE) SetWindowLongW(hwnd_, GWL_STYLE, style_ & ~WS_VISIBLE);
}

cNeoClass::Redraw_Lock::~Redraw_Lock() {
  // The window's own procedure may have detached the frame meanwhile: the window
  // is restored all the same.
  if ((style_ & WS_VISIBLE) && IsWindow(hwnd_)) SetWindowLongW(hwnd_, GWL_STYLE, style_);
  frame_.In_SetCursor = was_in_set_cursor_;
}

LRESULT cNeoClass::Locked_OldProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  const Redraw_Lock lock(*this);
  return Subclasser.Get_OldProc(hwnd, iMsg, wParam, lParam);
}

LRESULT cNeoClass::On_NcActivate(HWND hwnd, UINT iMsg, WPARAM wParam) {
  // lParam -1 asks the system not to paint the frame; it honours that only
  // without visual styles, hence the lock as well.
  const LRESULT result = Locked_OldProc(hwnd, iMsg, wParam, -1);
  Is_Active = wParam != 0;
  Repaint_Frame(hwnd);
  RedrawWindow(Target_hWnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return result;
}

LRESULT cNeoClass::On_SetCursor(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  const Redraw_Lock lock(*this);
  const LRESULT result = Subclasser.Get_OldProc(hwnd, iMsg, wParam, lParam);
  // The skinned frame has no menu bar. A window frees only the menu it still
  // has, so the frame keeps the one it takes and frees it with the attachment.
  if (HMENU menu = GetMenu(Target_hWnd)) {
    SetMenu(Target_hWnd, nullptr);
    if (menu != Removed_Menu) Free_Removed_Menu();
    Removed_Menu = menu;
  }
  return result;
}
