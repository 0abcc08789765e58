#include "viewer/frm_main.h"

#include <cmath>
#include <cstdint>

#include "viewer/resource_ids.h"
#include "win32/window_target.h"

frmMain::frmMain() = default;

frmMain::~frmMain() {
  // No events while the members go; the window lets go of the icons first.
  StopEvents();
  SetIcons(nullptr, nullptr);
}

void frmMain::LoadPictures() {
  const HINSTANCE module = zel::ThisModule();
  icon_.reset(static_cast<HICON>(
      LoadImageW(module, MAKEINTRESOURCEW(IDI_ZELVANO), IMAGE_ICON, 240, 240, 0)));
  small_icon_.reset(static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_ZELVANO), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON),
                                                  GetSystemMetrics(SM_CYSMICON), 0)));
  SetIcons(icon_.get(), small_icon_.get());

  auto bitmap = [module](int id) {
    return zel::Picture::FromBitmap(static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  };
  Image2.SetPicture(bitmap(IDB_BAR_NARROW));
  Image1.SetPicture(bitmap(IDB_BAR_WIDEN));
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
