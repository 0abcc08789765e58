// The main window's load handler: welcome page, skin start, single-instance
// rule, channel tree; in this order.
#include "viewer/catalogue.h"
#include "viewer/frm_main.h"
#include "viewer/single_instance.h"
#include "viewer/zel_config.h"

namespace {
constexpr wchar_t kAlreadyRunning[] = L"Zelvano程序已经运行！";
constexpr wchar_t kProgramTitle[] = L"ZelvanoV2010";
constexpr UINT kWarningBox = MB_OK | MB_ICONEXCLAMATION;  // style 48
}  // namespace

void frmMain::Form_Load() {
  WebBrowser1.Silent(true);
  WebBrowser1.Navigate(std::wstring(zel::kStreamServer) + L"/tv/Hi.htm");

  SkinStart();

  m_Instance = std::make_unique<zel::SingleInstance>();
  if (m_Instance->AnotherCopyRuns()) {
    MessageBoxW(nullptr, kAlreadyRunning, kProgramTitle, kWarningBox);
    // At once: no tree, no unload handler, nothing else of this copy runs.
    TerminateProcess(GetCurrentProcess(), 0);
  }

  zel::FillChannelTree(TreeView1);
}
