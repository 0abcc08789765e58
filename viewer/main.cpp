// ZelvanoV2010: create and load the main window, show it, run its messages.
#include <windows.h>
#include <commctrl.h>

#include "viewer/frm_main.h"
#include "win32/message_loop.h"
#include "win32/ole_apartment.h"
#include "win32/trace.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The hosted controls need an OLE single-threaded apartment.
  zel::OleApartment apartment;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  frmMain form;
  if (!form.Create()) {
    zel::TraceFailure(L"frmMain::Create failed: the viewer ends");
    return 1;
  }
  form.Form_Load();
  form.Show();
  return zel::RunMessageLoop();
}
