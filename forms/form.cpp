#include "forms/form.h"

#include <algorithm>
#include <cmath>

namespace zel {

Form::~Form() {
  destroying_ = true;
  for (Control* control : controls_) control->form_ = nullptr;
  controls_.clear();
  window_.Destroy();
}

bool Form::CreateForm(const FormDesign& design) {
  // Sized for the system's resolution; a window that comes up on a screen of
  // another takes that one below.
  dpi_ = Dpi(SystemDpi());
  font_description_ = design.font;
  back_brush_ = CreateColorBrush(design.back_color);
  const int client_cx = dpi_.TwipsToPixels(design.client_width);
  const int client_cy = dpi_.TwipsToPixels(design.client_height);
  // The window is its 96-DPI self scaled: the system's frame does not grow in step
  // with the resolution, so its 96-DPI size is scaled with the rest.
  const RECT frame = SystemFrameForDpi(design.style, 0, Dpi::kDesign);
  const int cx = client_cx + dpi_.Scale(frame.right - frame.left);
  const int cy = client_cy + dpi_.Scale(frame.bottom - frame.top);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - cx) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - cy) / 2;
  window_.Take(CreateTargetWindow(this, {design.class_name.c_str()}, 0,
                                  design.style | WS_CLIPCHILDREN, design.caption.c_str(), x, y, cx,
                                  cy, nullptr));
  if (!window_) return false;
  // At 96 DPI the frame may come out other than computed; the client size is what counts.
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int dx = client_cx - (client.right - client.left);
  const int dy = client_cy - (client.bottom - client.top);
  if (dpi_ == Dpi() && (dx || dy)) {
    SetWindowPos(hwnd(), nullptr, x - dx / 2, y - dy / 2, cx + dx, cy + dy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ApplyFormFont();
  if (const Dpi shown(WindowDpi(hwnd())); shown != dpi_) {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    r.right = r.left + ScaleBy(r.right - r.left, shown.Dots(), dpi_.Dots());
    r.bottom = r.top + ScaleBy(r.bottom - r.top, shown.Dots(), dpi_.Dots());
    ChangeDpi(shown, &r);
  }
  return true;
}

void Form::ChangeDpi(Dpi dpi, const RECT* suggested) {
  dpi_ = dpi;
  OnDpiChanged();
  ApplyFormFont();
  for (Control* control : controls_) control->ApplyDpi();
  if (suggested && hwnd()) {
    SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Laid out again even when the size stayed: twips make other pixels now.
  if (controls_ready_) RaiseResize();
}

void Form::ApplyFormFont() {
  font_ = CreateFormFont(font_description_, dpi_);
  if (hwnd()) SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void Form::Refresh() {
  // As a control's: a hidden window is painted whole when shown.
  if (IsWindowVisible(hwnd()))
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void Form::Show() {
  if (!hwnd()) return;
  const bool first = !shown_;
  shown_ = true;
  ShowWindow(hwnd(), SW_SHOW);
  // The first showing sizes the layout once, whether or not the system sent
  // a WM_SIZE for it.
  if (first && !resized_) RaiseResize();
}

float Form::ScaleWidth() const {
  RECT r{};
  if (!hwnd() || IsIconic(hwnd()) || !GetClientRect(hwnd(), &r)) return 0;
  return dpi_.PixelsToTwips(r.right - r.left);
}

float Form::ScaleHeight() const {
  RECT r{};
  if (!hwnd() || IsIconic(hwnd()) || !GetClientRect(hwnd(), &r)) return 0;
  return dpi_.PixelsToTwips(r.bottom - r.top);
}

float Form::Width() const {
  RECT r{};
  if (!hwnd() || !GetWindowRect(hwnd(), &r)) return 0;
  const int px = r.right - r.left;
  // The value set stays readable as long as the window still has its pixel width.
  if (set_width_ >= 0 && dpi_.TwipsToPixels(set_width_) == px) return set_width_;
  return dpi_.PixelsToTwips(px);
}

float Form::Height() const {
  RECT r{};
  if (!hwnd() || !GetWindowRect(hwnd(), &r)) return 0;
  const int px = r.bottom - r.top;
  if (set_height_ >= 0 && dpi_.TwipsToPixels(set_height_) == px) return set_height_;
  return dpi_.PixelsToTwips(px);
}

Outcome Form::SetWidth(float twips) { return SetOuterSize(twips, true); }
Outcome Form::SetHeight(float twips) { return SetOuterSize(twips, false); }

Outcome Form::SetOuterSize(float twips, bool width) {
  if (!hwnd() || !std::isfinite(twips) || twips < 0) return Outcome::kRejected;
  if (IsIconic(hwnd()) || IsZoomed(hwnd())) return Outcome::kRejected;
  RECT r{};
  GetWindowRect(hwnd(), &r);
  int cx = r.right - r.left;
  int cy = r.bottom - r.top;
  (width ? set_width_ : set_height_) = twips;
  (width ? cx : cy) = dpi_.TwipsToPixels(twips);
  SetWindowPos(hwnd(), nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return Outcome::kDone;
}

void Form::SetIcons(HICON big, HICON small) {
  if (!hwnd()) return;
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void Form::PaintSurface(HDC dc) {
  RECT r{};
  GetClientRect(hwnd(), &r);
  FillRect(dc, &r, back_brush_.get());
  PaintWindowlessChildren(dc);
}

void Form::Forget(Control* control) { std::erase(controls_, control); }

void Form::RaiseResize() {
  resized_ = true;
  OnResize();
}

LRESULT Form::OnMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (!window_) window_.Take(hwnd);
  LRESULT result = 0;
  if (HandleChildMessage(msg, wparam, lparam, &result)) return result;
  switch (msg) {
    case WM_SIZE:
      if (controls_ready_) RaiseResize();
      return 0;
    case WM_DPICHANGED:
      ChangeDpi(Dpi(LOWORD(wparam)), reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_CLOSE:
      if (controls_ready_) OnUnload();
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      // Closing the window ends the program; an owner destroying it does not.
      if (!destroying_) PostQuitMessage(0);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintScope paint(hwnd);
      PaintSurface(paint.dc());
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, msg, wparam, lparam);
  }
}

}  // namespace zel
