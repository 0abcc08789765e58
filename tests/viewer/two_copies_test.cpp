// Two real copies of the viewer: the second warns and ends, the first runs on.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "viewer/style_presets.h"
#include "support/http_server.h"
#include "support/test_ports.h"
#include "support/window_list.h"
#include "support/wine_path.h"
#include "viewer/single_instance.h"

namespace {

using namespace std::chrono_literals;

// A top-level window of class `cls` owned by process `pid`.
HWND FindTopLevel(DWORD pid, const wchar_t* cls, bool visibleOnly) {
  for (HWND hwnd : zeltest::TopLevelWindowsOf(pid)) {
    if (zeltest::ClassName(hwnd) == cls && (!visibleOnly || IsWindowVisible(hwnd))) return hwnd;
  }
  return nullptr;
}

std::vector<HWND> Children(HWND parent, const wchar_t* cls) {
  std::vector<HWND> out;
  for (HWND hwnd : zeltest::ChildWindows(parent))
    if (_wcsicmp(zeltest::ClassName(hwnd).c_str(), cls) == 0) out.push_back(hwnd);
  return out;
}

// The window of another process carries the start style's skinned frame: the
// engine's registry property is on it and its client area is inset by Frost's edges.
void ExpectFrostFrame(HWND hwnd) {
  std::string registry = std::to_string(static_cast<int32_t>(reinterpret_cast<INT_PTR>(hwnd)));
  EXPECT_NE(GetPropA(hwnd, registry.c_str()), nullptr) << "no skin attached";
  const zel::StylePreset& frost = *zel::FindStylePreset(2);
  RECT window{};
  GetWindowRect(hwnd, &window);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  EXPECT_EQ(origin.x - window.left, frost.frame.LeftBorderWidth);
  EXPECT_EQ(origin.y - window.top, 2 * frost.frame.ButtonHeight);
}

// The channel tree and the style options, read from outside the viewer, carry
// the system's class names that screen readers and automation tools look for.
void ExpectSystemClassNames(HWND main) {
  std::vector<HWND> trees = Children(main, L"SysTreeView32");
  ASSERT_EQ(trees.size(), 1u);
  EXPECT_EQ(zeltest::ClassName(trees[0]), L"SysTreeView32");
  EXPECT_EQ(SendMessageW(trees[0], TVM_GETCOUNT, 0, 0), 185);
  std::vector<std::wstring> options;
  for (HWND button : Children(main, L"Button")) {
    if ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) != BS_RADIOBUTTON) continue;
    EXPECT_EQ(zeltest::ClassName(button), L"Button");
    options.push_back(zeltest::WindowText(button));
  }
  std::sort(options.begin(), options.end());  // the list is in Z order
  EXPECT_EQ(options, (std::vector<std::wstring>{L"Alpha", L"Alpha Wire", L"Frost", L"Hybrid",
                                                L"Leaf", L"Midnight", L"Ocean"}));
}

const std::wstring kViewer = zeltest::WinePath(ZEL_VIEWER_EXE);

TEST(TwoCopies, SecondCopyWarnsAndEndsFirstRunsOn) {
  zeltest::HttpServer stream(zeltest::kStreamPort), guide(zeltest::kGuidePort);
  zeltest::ChildProcess first;
  ASSERT_TRUE(first.Start(kViewer));
  HWND main = nullptr;
  ASSERT_TRUE(zeltest::PumpUntil(
      [&] {
        main = FindTopLevel(first.Id(), L"ZelvanoMainForm", true);
        return main != nullptr;
      },
      30s))
      << "the first copy's window did not appear";
  EXPECT_EQ(zeltest::WindowText(main), L"ZelvanoV2010");
  ExpectFrostFrame(main);
  ExpectSystemClassNames(main);
  // The running copy holds a global object named for its user, seen from every session.
  const std::wstring name = zel::SingleInstance::ObjectName();
  EXPECT_EQ(name.rfind(L"Global\\Zelvano.ZelvanoV2010.Running.S-1-", 0), 0u) << name;
  HANDLE held = OpenMutexW(SYNCHRONIZE, FALSE, name.c_str());
  EXPECT_NE(held, nullptr);
  if (held) CloseHandle(held);

  stream.Clear();
  zeltest::ChildProcess second;
  ASSERT_TRUE(second.Start(kViewer));
  HWND box = nullptr;
  ASSERT_TRUE(zeltest::PumpUntil(
      [&] {
        box = FindTopLevel(second.Id(), L"#32770", true);
        return box != nullptr;
      },
      30s))
      << "no message box from the second copy";

  // The second copy had asked for the welcome page before it warned.
  EXPECT_GE(stream.CountOf("/tv/Hi.htm"), 1u);
  // Its window exists but was never shown, and its skin is already attached.
  HWND hidden = FindTopLevel(second.Id(), L"ZelvanoMainForm", false);
  ASSERT_TRUE(hidden);
  EXPECT_FALSE(IsWindowVisible(hidden));
  ExpectFrostFrame(hidden);

  EXPECT_EQ(zeltest::WindowText(box), L"ZelvanoV2010");
  bool textFound = false, iconFound = false;
  for (HWND s : Children(box, L"Static")) {
    if (zeltest::WindowText(s) == L"Zelvano程序已经运行！") textFound = true;
    if ((GetWindowLongW(s, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) iconFound = true;
  }
  EXPECT_TRUE(textFound);
  EXPECT_TRUE(iconFound);
  std::vector<HWND> buttons = Children(box, L"Button");
  ASSERT_EQ(buttons.size(), 1u) << "OK only";
  EXPECT_EQ(GetDlgCtrlID(buttons[0]), IDOK);

  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(buttons[0]));
  ASSERT_TRUE(second.WaitExit());
  EXPECT_EQ(second.ExitCode(), 0u);

  // The first copy is undisturbed and still answers.
  EXPECT_TRUE(first.Running());
  DWORD_PTR answer = 0;
  EXPECT_TRUE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer));
  // Read from outside, WS_VISIBLE is briefly off while the frame keeps the system
  // from painting its caption (the activation the message box just gave back).
  EXPECT_TRUE(zeltest::PumpUntil([&] { return IsWindowVisible(main) != FALSE; }, 5s));

  // Closing the window ends the program; a new start runs again as the only copy.
  PostMessageW(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(first.WaitExit());
  zeltest::ChildProcess again;
  ASSERT_TRUE(again.Start(kViewer));
  HWND again_main = nullptr;
  ASSERT_TRUE(zeltest::PumpUntil(
      [&] {
        again_main = FindTopLevel(again.Id(), L"ZelvanoMainForm", true);
        return again_main != nullptr;
      },
      30s));
  EXPECT_EQ(FindTopLevel(again.Id(), L"#32770", true), nullptr);
  // The window found visible once: looked up again, it may be in the frame's
  // brief WS_VISIBLE-off moment.
  PostMessageW(again_main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(again.WaitExit());
}

// An object of that name that this user may not open belongs to another user
// (or squats the name): it is not a running copy.
TEST(TwoCopies, AnObjectThatCannotBeOpenedIsNotACopyOfOurs) {
  SECURITY_DESCRIPTOR sd;
  ACL nobody;  // no entries: no one is granted anything
  ASSERT_TRUE(InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION));
  ASSERT_TRUE(InitializeAcl(&nobody, sizeof(nobody), ACL_REVISION));
  ASSERT_TRUE(SetSecurityDescriptorDacl(&sd, TRUE, &nobody, FALSE));
  SECURITY_ATTRIBUTES sa{sizeof(sa), &sd, FALSE};
  const std::wstring name = zel::SingleInstance::ObjectName();
  HANDLE squatter = CreateMutexW(&sa, FALSE, name.c_str());
  ASSERT_NE(squatter, nullptr);
  ASSERT_EQ(CreateMutexW(nullptr, FALSE, name.c_str()), nullptr);
  ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

  EXPECT_FALSE(zel::SingleInstance().AnotherCopyRuns());
  CloseHandle(squatter);

  // Our own earlier copy is still seen.
  zel::SingleInstance first;
  EXPECT_FALSE(first.AnotherCopyRuns());
  EXPECT_TRUE(zel::SingleInstance().AnotherCopyRuns());
}

}  // namespace
