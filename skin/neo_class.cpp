// Lifetime, attachment and the frame description of the skinned frame.
#include "skin/neo_class.h"

#include <cstring>

#include "graphics/gdi.h"
#include "skin/frame_compositor.h"
#include "skin/frame_parts.h"
#include "win32/trace.h"
#include "win32/window_dpi.h"

namespace {

// The frame messages asked of the engine, in attachment order; WM_SIZE (MDI
// children only) goes between the list and WM_DESTROY, which comes last. The
// caption-drawing messages of themed Windows and WM_SETICON are asked for so that
// the system cannot paint its caption over the frame; WM_WINDOWPOSCHANGED keeps
// the window region at the window's size.
constexpr UINT kFrameMessages[] = {WM_NCCALCSIZE,
                                   WM_NCPAINT,
                                   WM_NCACTIVATE,
                                   WM_NCLBUTTONDOWN,
                                   WM_NCLBUTTONUP,
                                   WM_NCLBUTTONDBLCLK,
                                   WM_NCHITTEST,
                                   WM_SETCURSOR,
                                   WM_INITMENU,
                                   WM_INITMENUPOPUP,
                                   WM_STYLECHANGED,
                                   WM_SETTEXT,
                                   WM_ACTIVATEAPP,
                                   zel::frame::kNcUahDrawCaption,
                                   zel::frame::kNcUahDrawFrame,
                                   WM_SETICON,
                                   WM_WINDOWPOSCHANGED};

// Attach runs with errors suppressed step by step: a failing step is skipped,
// and leaves a trace.
template <class Step>
void Run_Step(const wchar_t* what, Step step) {
  try {
    step();
  } catch (const std::exception& e) {
    const std::string reason = e.what();
    zel::TraceFailure(std::wstring(L"cNeoClass::Attach skipped ") + what + L": " +
                      std::wstring(reason.begin(), reason.end()));
  } catch (...) {
    zel::TraceFailure(std::wstring(L"cNeoClass::Attach skipped ") + what);
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

void cNeoClass::p_Description(const FrameDescription& PropVal) {
  m_Description = PropVal;
  m_Description.BorderHasInactive = Flag(PropVal.BorderHasInactive);
  m_Description.ControlHasInactive = Flag(PropVal.ControlHasInactive);
  m_Description.ControlButtonPosition = Flag(PropVal.ControlButtonPosition);
}

void cNeoClass::Attach(zel::FormWindow& mFrm) {
  if (!m_Caption || !m_Borders) return;

  HWND form_hwnd = nullptr;
  Run_Step(L"the form's hwnd", [&] { form_hwnd = mFrm.hwnd(); });
  const bool same_window = form_hwnd == Target_hWnd;

  // The system's frame sizes at the form's resolution: the caption zone of the
  // hit-test scales with the pictures drawn for it.
  int dpi = zel::Dpi::kDesign;
  Run_Step(L"the form's resolution", [&] { dpi = mFrm.FormDpi().Dots(); });
  Left_Width = zel::SystemMetricForDpi(SM_CXFRAME, dpi);
  Right_Width = Left_Width;
  Caption_Height = zel::SystemMetricForDpi(SM_CYCAPTION, dpi);
  Bottom_Height = zel::SystemMetricForDpi(SM_CYFRAME, dpi);
  Top_Height = Caption_Height + Bottom_Height;

  if (!same_window) Window_Detach();
  Load_Picture(m_Caption, 0);
  Load_Picture(m_Borders, 1);
  if (!same_window) Hook_Window(form_hwnd);
  Is_MDIChild = Is_MDIChild_Window(Target_hWnd);

  const LONG style = GetWindowLongA(Target_hWnd, GWL_STYLE);
  Has_Close = (style & WS_SYSMENU) != 0;
  Is_Sizable = (style & WS_THICKFRAME) != 0;
  // The kept strips show the old pictures and style.
  Discard_Kept_Strips();

  // Said at once what Windows would decide at the first paint of our own, and the
  // rounded corners of the themed frame's region are replaced by square ones.
  zel::frame_compositor::UseOwnFrame(Target_hWnd);
  Fit_Region();

  Run_Step(L"the form's Refresh", [&] { mFrm.Refresh(); });
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
    Run_Step(L"Attach_Message", [&] { Subclasser.Attach_Message(this, Target_hWnd, msg); });
  }
  if (Is_MDIChild)
    Run_Step(L"Attach_Message", [&] { Subclasser.Attach_Message(this, Target_hWnd, WM_SIZE); });
  Run_Step(L"Attach_Message", [&] { Subclasser.Attach_Message(this, Target_hWnd, WM_DESTROY); });
}

void cNeoClass::Unhook_Window(bool destroying) {
  if (!Target_hWnd) return;
  for (UINT msg : kFrameMessages) Subclasser.Detach_Message(this, Target_hWnd, msg);
  // Detached whatever Is_MDIChild says now: the window may have changed parents
  // since it was hooked, and a registration left behind would outlive this object.
  Subclasser.Detach_Message(this, Target_hWnd, WM_SIZE);
  Is_MDIChild = false;
  Subclasser.Detach_Message(this, Target_hWnd, WM_DESTROY);
  // Only now: removing the region moves the window, which must not fit it again.
  Remove_Region(destroying);
  Target_hWnd = nullptr;
  Free_Removed_Menu();
}

void cNeoClass::Fit_Region() {
  RECT rc{};
  if (In_Fit_Region || !GetWindowRect(Target_hWnd, &rc)) return;
  const SIZE size{rc.right - rc.left, rc.bottom - rc.top};
  if (size.cx == Region_Size.cx && size.cy == Region_Size.cy) return;
  zel::UniqueRegion region(CreateRectRgn(0, 0, size.cx, size.cy));
  if (!region) return;
  // Setting a region moves the window again, which comes back here. The region is
  // the window's own rectangle: nothing on the screen changes, so nothing is redrawn.
  In_Fit_Region = true;
  const bool set = SetWindowRgn(Target_hWnd, region.get(), FALSE) != 0;
  In_Fit_Region = false;
  if (!set) return;
  (void)region.release();  // the window owns its region now
  Region_Size = size;
}

void cNeoClass::Remove_Region(bool destroying) {
  if (Region_Size.cx == 0 && Region_Size.cy == 0) return;
  Region_Size = SIZE{};
  // A window being destroyed frees its region itself.
  if (!destroying && IsWindow(Target_hWnd)) SetWindowRgn(Target_hWnd, nullptr, FALSE);
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
  return m_Description.BorderHasInactive ? height / 2 : height;
}

void cNeoClass::Recompute_Frame_Sizes() {
  const int S = Border_Tile_Size();
  Left_Width = m_Description.LeftBorderWidth >= 1 ? m_Description.LeftBorderWidth : S;
  Top_Height = Surface[0].Height();
  Right_Width = m_Description.RightBorderWidth >= 1 ? m_Description.RightBorderWidth - 1 : S - 1;
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
    case WM_NCACTIVATE:
    case WM_SETICON:
    case zel::frame::kNcUahDrawCaption:
    case zel::frame::kNcUahDrawFrame:
      return Response_Alone;
    default:
      return Response_Before;
  }
}
