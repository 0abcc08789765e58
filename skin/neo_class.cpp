// Lifetime, attachment and the frame description of the skinned frame.
#include "skin/neo_class.h"

#include <cstring>

namespace {

// The frame messages asked of the engine, in attachment order; WM_SIZE (MDI
// children only) goes between the list and WM_DESTROY, which comes last.
constexpr UINT kFrameMessages[] = {
    WM_NCCALCSIZE,      WM_NCPAINT,   WM_NCACTIVATE, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP,
    WM_NCLBUTTONDBLCLK, WM_NCHITTEST, WM_SETCURSOR,  WM_INITMENU,      WM_INITMENUPOPUP,
    WM_STYLECHANGED,    WM_SETTEXT,   WM_ACTIVATEAPP};

// Attach runs with errors suppressed step by step: a failing step is skipped.
template <class Step>
void Run_Step(Step step) {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace

cNeoClass::cNeoClass() = default;

cNeoClass::~cNeoClass() {
  // The engine holds this object without owning it: give every message back first.
  Window_Detach();
}

void cNeoClass::Release(cNeoClass* object) {
  if (!object) return;
  object->Window_Detach();
  if (object->Dispatch_Holds > 0) {
    object->Release_Pending = true;
  } else {
    delete object;
  }
}

void cNeoClass::Dispatch_End() {
  if (--Dispatch_Holds == 0 && Release_Pending) delete this;
}

void cNeoClass::Attach(zel::FormWindow& mFrm) {
  if (!m_Caption || !m_Borders) return;

  HWND form_hwnd = nullptr;
  Run_Step([&] { form_hwnd = mFrm.hwnd(); });
  const bool same_window = form_hwnd == Target_hWnd;

  Left_Width = GetSystemMetrics(SM_CXFRAME);
  Right_Width = Left_Width;
  Caption_Height = GetSystemMetrics(SM_CYCAPTION);
  Top_Height = Caption_Height + GetSystemMetrics(SM_CYFRAME);
  Bottom_Height = GetSystemMetrics(SM_CYFRAME);

  if (!same_window) Window_Detach();
  Load_Picture(m_Caption, 0);
  Load_Picture(m_Borders, 1);
  if (!same_window) Hook_Window(form_hwnd);
  Is_MDIChild = Is_MDIChild_Window(Target_hWnd);

  const LONG style = GetWindowLongA(Target_hWnd, GWL_STYLE);
  Has_Close = (style & WS_SYSMENU) != 0;
  Is_Sizable = (style & WS_THICKFRAME) != 0;

  Run_Step([&] { mFrm.Refresh(); });
  // The frame change makes the system ask for the non-client size again. A hidden
  // window must not be activated by it (a visible one is activated just below).
  UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOOWNERZORDER;
  if (!IsWindowVisible(Target_hWnd)) flags |= SWP_NOACTIVATE;
  SetWindowPos(Target_hWnd, nullptr, 0, 0, 0, 0, flags);

  if (IsWindowVisible(Target_hWnd)) {
    SetForegroundWindow(Target_hWnd);
    SetFocus(Target_hWnd);
    SendMessageA(Target_hWnd, WM_NCACTIVATE, 1, 0);
    RedrawWindow(Target_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  }
}

void cNeoClass::Window_Detach() {
  Unhook_Window();
  Target_hWnd = nullptr;
}

bool cNeoClass::Is_MDIChild_Window(HWND hWnd) const {
  constexpr int kLongestClassName = 256;
  char name[kLongestClassName + 1] = {};
  if (!GetClassNameA(GetParent(hWnd), name, kLongestClassName)) return false;
  return std::strcmp(name, "MDIClient") == 0;
}

void cNeoClass::Hook_Window(HWND hWnd) {
  Window_Detach();
  Target_hWnd = hWnd;
  Is_MDIChild = Is_MDIChild_Window(hWnd);
  for (UINT msg : kFrameMessages) {
    Run_Step([&] { Subclasser.Attach_Message(this, Target_hWnd, msg); });
  }
  if (Is_MDIChild) Run_Step([&] { Subclasser.Attach_Message(this, Target_hWnd, WM_SIZE); });
  Run_Step([&] { Subclasser.Attach_Message(this, Target_hWnd, WM_DESTROY); });
}

void cNeoClass::Unhook_Window() {
  if (!Target_hWnd) return;
  for (UINT msg : kFrameMessages) Subclasser.Detach_Message(this, Target_hWnd, msg);
  // Detached whatever Is_MDIChild says now: the window may have changed parents
  // since it was hooked, and a registration left behind would outlive this object.
  Subclasser.Detach_Message(this, Target_hWnd, WM_SIZE);
  Is_MDIChild = false;
  Subclasser.Detach_Message(this, Target_hWnd, WM_DESTROY);
  Target_hWnd = nullptr;
  Free_Removed_Menu();
}

void cNeoClass::Free_Removed_Menu() {
  if (Removed_Menu) DestroyMenu(Removed_Menu);
  Removed_Menu = nullptr;
}

void cNeoClass::Load_Picture(const zel::Picture& picture, int index) {
  Surface.at(index).Load_Picture(picture.Handle());
}

int cNeoClass::Border_Tile_Size() const {
  const int height = m_Borders.Height();
  return m_BorderHasInactive ? height / 2 : height;
}

void cNeoClass::Recompute_Frame_Sizes() {
  const int S = Border_Tile_Size();
  Left_Width = m_LeftBorderWidth >= 1 ? m_LeftBorderWidth : S;
  Top_Height = Surface[0].Height();
  Right_Width = m_RightBorderWidth >= 1 ? m_RightBorderWidth - 1 : S - 1;
  Bottom_Height = S - 1;
}

int32_t cNeoClass::ISubclass_MsgResponse() {
  switch (Subclasser.p_CurrentMessage()) {
    case WM_SIZE:
    case WM_SETTEXT:
    case WM_SETCURSOR:
    case WM_STYLECHANGED:
    case WM_NCHITTEST:
    case WM_NCPAINT:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
      return Response_Alone;
    default:
      return Response_Before;
  }
}
