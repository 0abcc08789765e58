// The bar that narrows and widens the window, and the site link.
#include <windows.h>

#include <string>

#include "viewer/frm_main.h"
#include "viewer/zel_config.h"

namespace {
constexpr float kWideWidth = 11260;   // twips, frame included: the guide in view
constexpr float kNarrowWidth = 8400;  // the guide out of view
}  // namespace

// The width change raises Form_Resize before the arrows swap. A window that
// cannot be sized (minimised) keeps its width and its arrow.
void frmMain::Image1_Click() {
  if (SetWidth(kWideWidth) != zel::Outcome::kDone) return;
  Image2.SetVisible(true);
  Image1.SetVisible(false);
}

void frmMain::Image2_Click() {
  if (SetWidth(kNarrowWidth) != zel::Outcome::kDone) return;
  Image1.SetVisible(true);
  Image2.SetVisible(false);
}

void frmMain::Label1_Click() {
  launcher_->Start(std::wstring(L"Explorer ") + zel::kSiteHomePage, SW_SHOWMINIMIZED);
}
