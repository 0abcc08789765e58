// Test entry: GoogleTest with the process set up for COM and common controls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "win32/ole_apartment.h"

int main(int argc, char** argv) {
  // The same apartment as the viewer's: the ActiveX controls and the windows under test live here.
  zel::OleApartment apartment;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
