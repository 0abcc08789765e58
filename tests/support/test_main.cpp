// Test entry: GoogleTest with the process set up for COM and common controls.
#include <windows.h>
#include <objbase.h>
#include <commctrl.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Single-threaded apartment: the ActiveX controls and the windows under test live here.
  CoInitialize(nullptr);
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  testing::InitGoogleTest(&argc, argv);
  int rc = RUN_ALL_TESTS();
  CoUninitialize();
  return rc;
}
