// Replaces the standard frame of one window with a frame drawn from a caption
// picture and a borders picture, through the window's message subclassing.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>

#include "forms/form_window.h"
#include "graphics/picture.h"
#include "skin/frame_description.h"
#include "skin/kept_strips.h"
#include "skin/memory_surface.h"
#include "subclass/g_subclass.h"
#include "subclass/i_subclass.h"

class cNeoClass final : public ISubclass {
 public:
  cNeoClass();
  ~cNeoClass();
  cNeoClass(const cNeoClass&) = delete;
  cNeoClass& operator=(const cNeoClass&) = delete;

  // Frame description. Flags are 16-bit Booleans (True = -1); a flag set to any
  // other non-zero value reads back as True.
  int32_t p_ActiveRight() const { return m_Description.ActiveRight; }
  void p_ActiveRight(int32_t PropVal) { m_Description.ActiveRight = PropVal; }
  zel::Picture p_Borders() const { return m_Borders; }
  void p_Borders(zel::Picture PropVal) { m_Borders = PropVal; }
  int16_t p_BorderHasInactive() const { return m_Description.BorderHasInactive; }
  void p_BorderHasInactive(int16_t PropVal) { m_Description.BorderHasInactive = Flag(PropVal); }
  int32_t p_BottomBorderHeight() const { return m_Description.BottomBorderHeight; }
  void p_BottomBorderHeight(int32_t PropVal) { m_Description.BottomBorderHeight = PropVal; }
  int32_t p_ButtonHeight() const { return m_Description.ButtonHeight; }
  void p_ButtonHeight(int32_t PropVal) { m_Description.ButtonHeight = PropVal; }
  int32_t p_ButtonWidth() const { return m_Description.ButtonWidth; }
  void p_ButtonWidth(int32_t PropVal) { m_Description.ButtonWidth = PropVal; }
  int32_t p_ButtonOffsetX() const { return m_Description.ButtonOffsetX; }
  void p_ButtonOffsetX(int32_t PropVal) { m_Description.ButtonOffsetX = PropVal; }
  int32_t p_ButtonOffsetY() const { return m_Description.ButtonOffsetY; }
  void p_ButtonOffsetY(int32_t PropVal) { m_Description.ButtonOffsetY = PropVal; }
  zel::Picture p_Caption() const { return m_Caption; }
  void p_Caption(zel::Picture PropVal) { m_Caption = PropVal; }
  int16_t p_ControlHasInactive() const { return m_Description.ControlHasInactive; }
  void p_ControlHasInactive(int16_t PropVal) { m_Description.ControlHasInactive = Flag(PropVal); }
  int16_t p_ControlButtonPosition() const { return m_Description.ControlButtonPosition; }
  void p_ControlButtonPosition(int16_t PropVal) {
    m_Description.ControlButtonPosition = Flag(PropVal);
  }
  int32_t p_LeftEnd() const { return m_Description.LeftEnd; }
  void p_LeftEnd(int32_t PropVal) { m_Description.LeftEnd = PropVal; }
  int32_t p_LeftBorderWidth() const { return m_Description.LeftBorderWidth; }
  void p_LeftBorderWidth(int32_t PropVal) { m_Description.LeftBorderWidth = PropVal; }
  int32_t p_Offset() const { return m_Description.Offset; }
  void p_Offset(int32_t PropVal) { m_Description.Offset = PropVal; }
  int32_t p_RightEnd() const { return m_Description.RightEnd; }
  void p_RightEnd(int32_t PropVal) { m_Description.RightEnd = PropVal; }
  int32_t p_RightBorderWidth() const { return m_Description.RightBorderWidth; }
  void p_RightBorderWidth(int32_t PropVal) { m_Description.RightBorderWidth = PropVal; }
  int32_t p_TopBorderHeight() const { return m_Description.TopBorderHeight; }
  void p_TopBorderHeight(int32_t PropVal) { m_Description.TopBorderHeight = PropVal; }
  // Every property but the two pictures in one value, set as the setters above
  // would set them one by one.
  FrameDescription p_Description() const { return m_Description; }
  void p_Description(const FrameDescription& PropVal);

  // Releases an object made with new: it gives its messages back at once, and is
  // destroyed as soon as no dispatch of its window uses it any more (a style
  // change can come from a message loop nested inside the frame's own handler).
  static void Release(cNeoClass* object);
  struct Releaser {
    void operator()(cNeoClass* object) const { Release(object); }
  };

  // Binds the object to the form's window; every step runs even when one fails.
  void Attach(zel::FormWindow& mFrm);
  // Gives every frame message back and forgets the window.
  void Window_Detach();

  // ISubclass
  int32_t MsgResponse() override { return ISubclass_MsgResponse(); }
  void MsgResponse(int32_t) override {}  // the answer depends on the message only
  LRESULT WindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) override {
    return ISubclass_WindowProc(hwnd, iMsg, wParam, lParam);
  }
  void Dispatch_Begin() override { ++Dispatch_Holds; }
  void Dispatch_End() override;

  // Read-only view of a memory surface (0 caption picture, 1 borders picture,
  // 2 caption bar, 3 side strip, 4 bottom strip), for diagnostics.
  static constexpr int Surface_Count = 5;
  const zel::MemorySurface& Surface_At(int index) const { return Surface.at(index); }

 private:
  // Keeps the system from painting its own caption over the frame while the window's
  // own procedure runs: WS_VISIBLE is off for the scope, and the style changes this
  // makes are not answered with a repaint (In_SetCursor).
  class Redraw_Lock {
   public:
    explicit Redraw_Lock(cNeoClass& frame);
    ~Redraw_Lock();
    Redraw_Lock(const Redraw_Lock&) = delete;
    Redraw_Lock& operator=(const Redraw_Lock&) = delete;

   private:
    cNeoClass& frame_;
    HWND hwnd_;
    LONG style_;
    bool was_in_set_cursor_;
  };

  static int16_t Flag(int16_t value) { return value ? -1 : 0; }

  int32_t ISubclass_MsgResponse();
  LRESULT ISubclass_WindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam);

  // Attachment
  bool Is_MDIChild_Window(HWND hWnd) const;
  void Hook_Window(HWND hWnd);
  void Unhook_Window(bool destroying = false);
  void Free_Removed_Menu();
  void Fit_Region();
  void Remove_Region(bool destroying);
  void Load_Picture(const zel::Picture& picture, int index);
  int Border_Tile_Size() const;
  void Recompute_Frame_Sizes();

  // Painting
  void Draw_Button(HDC hdc, int index, int state, const RECT& rect);
  void Draw_Frame(HDC hdc, HWND hwnd, int left, int top, int right, int bottom, bool active);
  int Right_End_Left(int left, int W) const;
  void Place_Buttons(LONG style, int left, int W);
  std::array<bool, 3> Pressed_Look();
  void Draw_Caption(int left, int W, int xShift, const std::array<bool, 3>& pressed);
  void Draw_Side_Strip(int S, int ySrc);
  void Draw_Bottom_Strip(int W, int S, int ySrc);
  void Discard_Kept_Strips();
  void Paint_Frame(HDC hdc, int left, int top, int right, int bottom);
  bool Button_Shown(int index) const;
  bool& Pressed_Flag(int index);

  // Frame messages
  LRESULT On_NcCalcSize(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  LRESULT On_NcPaint();
  LRESULT On_NcLButtonDown(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  LRESULT On_NcLButtonUp();
  LRESULT On_SetCursor(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  LRESULT On_NcActivate(HWND hwnd, UINT iMsg, WPARAM wParam);
  LRESULT Locked_OldProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  LRESULT Repaint_Frame(HWND hwnd);
  POINT Window_Cursor() const;
  int32_t Hit_Test(POINT screen) const;
  void Press_Buttons(int x, int y, HDC hdc);
  void Release_Buttons(int x, int y, HDC hdc);
  void Drag_Window();
  void Post_SysCommand(WPARAM command);

  // Properties
  zel::Picture m_Borders;
  zel::Picture m_Caption;
  FrameDescription m_Description;

  // State
  GSubclass Subclasser;
  int32_t Last_HitTest = 0;
  std::array<RECT, 3> Button_Rect{};  // 0 close, 1 maximize, 2 minimize
  bool Is_Active = false;
  bool Is_Sizable = false;
  bool Has_Close = false;
  bool Is_MDIChild = false;
  bool Has_Maximize = false;
  bool Has_Minimize = false;
  bool Pressed_Minimize = false;
  bool Pressed_Maximize = false;
  bool Pressed_Close = false;
  int32_t Bottom_Height = 0;
  int32_t Caption_Height = 0;
  HWND Target_hWnd = nullptr;
  int32_t Left_Width = 0;
  int32_t Right_Width = 0;
  int32_t Top_Height = 0;
  std::array<zel::MemorySurface, Surface_Count> Surface;
  // The strips of surfaces 2 to 4 as composed, and the description they came from.
  zel::frame::KeptStrip<zel::frame::CaptionInputs> Kept_Caption;
  zel::frame::KeptStrip<zel::frame::SideInputs> Kept_Side;
  zel::frame::KeptStrip<zel::frame::BottomInputs> Kept_Bottom;
  FrameDescription Kept_Description;
  int32_t Nudge_X = 0;
  int32_t Nudge_Y = 0;
  bool In_SetCursor = false;
  SIZE Region_Size{};  // the size of the window region the frame gave the window
  bool In_Fit_Region = false;
  HMENU Removed_Menu = nullptr;  // taken off the window: the window no longer frees it
  int Dispatch_Holds = 0;        // dispatches of the engine that use this object now
  bool Release_Pending = false;  // released while held: goes at the last Dispatch_End
};

// Owns a frame object that may be released while its own handler runs.
using NeoClassPtr = std::unique_ptr<cNeoClass, cNeoClass::Releaser>;
