// Style chooser of the main window: filled by the style presets.
#include "viewer/frmMain.h"

void frmMain::SkinStart() {
  // Selects the first style as a user's click would.
  optStyle(0).SetValue(true);
}

void frmMain::optStyle_Click(int16_t) {}

void frmMain::Set_Skin(int16_t) {}
