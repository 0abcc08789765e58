#include "viewer/frm_main.h"

#include <cmath>
#include <cstdint>

#include "viewer/picture_scale.h"
#include "viewer/resource_ids.h"
#include "win32/window_dpi.h"
#include "win32/window_target.h"

frmMain::frmMain() = default;

frmMain::~frmMain() {
  // No events while the members go; the window lets go of the icons first.
  StopEvents();
  SetIcons(nullptr, nullptr);
}

void frmMain::LoadPictures() {
  const HINSTANCE module = zel::ThisModule();
  const int dpi = FormDpi().Dots();
  // The one 240 × 240 picture, also for the small icon, at the size this screen wants.
  icon_.reset(static_cast<HICON>(
      LoadImageW(module, MAKEINTRESOURCEW(IDI_ZELVANO), IMAGE_ICON, 240, 240, 0)));
  small_icon_.reset(static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_ZELVANO), IMAGE_ICON,
                                                  zel::SystemMetricForDpi(SM_CXSMICON, dpi),
                                                  zel::SystemMetricForDpi(SM_CYSMICON, dpi), 0)));
  SetIcons(icon_.get(), small_icon_.get());

  const int set = zel::PictureSetIndex(m_PictureScale);
  auto bitmap = [module, set](int id) {
    return zel::Picture::FromBitmap(
        static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(id + IDB_BAR_SET_STRIDE * set),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  };
  Image2.SetPicture(bitmap(IDB_BAR_NARROW));
  Image1.SetPicture(bitmap(IDB_BAR_WIDEN));
}

// The pictures of the new scale, and the current style drawn with them; the form
// then makes its fonts and places its controls again.
void frmMain::OnDpiChanged() {
  const int scale = zel::PictureScaleFor(FormDpi());
  const bool new_set = scale != m_PictureScale;
  m_PictureScale = scale;
  LoadPictures();
  if (new_set) LoadSkinPictures();
  if (m_Style >= 0) Set_Skin(m_Style);
}

// Keeps picMain and its border matched to the client area; the inner controls
// stay where they are. Each statement stands alone: one the control rejects
// (a negative size while minimised) is skipped and the next runs.
void frmMain::Form_Resize() {
  const auto w = static_cast<int32_t>(std::nearbyint(ScaleWidth() - 2));
  const auto h = static_cast<int32_t>(std::nearbyint(ScaleHeight() - 2));
  picMain.SetWidth(static_cast<float>(w));
  picMain.SetHeight(static_cast<float>(h));
  picMain.SetTop(0);
  picMain.SetLeft(0);
  spBorder.SetWidth(picMain.Width() - 4);
  spBorder.SetHeight(picMain.Height() - 4);
  spBorder.SetTop(2);
  spBorder.SetLeft(2);
  for (zel::Control* control : Controls()) control->CallMethod(L"Refresh");
}
