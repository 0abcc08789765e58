// Two real copies of the viewer: the second warns and ends, the first runs on.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "viewer/style_presets.h"
#include "support/http_server.h"
#include "support/window_list.h"
#include "support/wine_path.h"

namespace {

using namespace std::chrono_literals;

struct Process {
  PROCESS_INFORMATION info{};
  ~Process() {
    if (info.hProcess) {
      // A copy left behind by a failed check must be gone before the next test.
      if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info.hProcess, 9);
        WaitForSingleObject(info.hProcess, 10000);
      }
      CloseHandle(info.hProcess);
      CloseHandle(info.hThread);
    }
  }
  bool Start(const std::wstring& exe) {
    STARTUPINFOW si{sizeof(si)};
    std::wstring cmd = L"\"" + exe + L"\"";
    return CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &si, &info);
  }
  bool Running() const { return WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT; }
};

// A top-level window of class `cls` owned by process `pid`.
HWND FindTopLevel(DWORD pid, const wchar_t* cls, bool visibleOnly) {
  for (HWND hwnd : zeltest::TopLevelWindows()) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (zeltest::OwnerProcess(hwnd) == pid && wcscmp(name, cls) == 0 &&
        (!visibleOnly || IsWindowVisible(hwnd)))
      return hwnd;
  }
  return nullptr;
}

std::wstring Text(HWND hwnd) {
  wchar_t buf[256] = {};
  GetWindowTextW(hwnd, buf, 256);
  return buf;
}

std::vector<HWND> Children(HWND parent, const wchar_t* cls) {
  std::vector<HWND> out;
  for (HWND hwnd : zeltest::ChildWindows(parent)) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (_wcsicmp(name, cls) == 0) out.push_back(hwnd);
  }
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

const std::wstring kViewer = zeltest::WinePath(ZEL_VIEWER_EXE);

TEST(TwoCopies, SecondCopyWarnsAndEndsFirstRunsOn) {
  zeltest::HttpServer stream(18080), guide(18081);
  Process first;
  ASSERT_TRUE(first.Start(kViewer));
  HWND main = nullptr;
  ASSERT_TRUE(zeltest::PumpUntil(
      [&] {
        main = FindTopLevel(first.info.dwProcessId, L"ZelvanoMainForm", true);
        return main != nullptr;
      },
      30s))
      << "the first copy's window did not appear";
  EXPECT_EQ(Text(main), L"ZelvanoV2010");
  ExpectFrostFrame(main);

  stream.Clear();
  Process second;
  ASSERT_TRUE(second.Start(kViewer));
  HWND box = nullptr;
  ASSERT_TRUE(zeltest::PumpUntil(
      [&] {
        box = FindTopLevel(second.info.dwProcessId, L"#32770", true);
        return box != nullptr;
      },
      30s))
      << "no message box from the second copy";

  // The second copy had asked for the welcome page before it warned.
  EXPECT_GE(stream.CountOf("/tv/Hi.htm"), 1u);
  // Its window exists but was never shown, and its skin is already attached.
  HWND hidden = FindTopLevel(second.info.dwProcessId, L"ZelvanoMainForm", false);
  ASSERT_TRUE(hidden);
  EXPECT_FALSE(IsWindowVisible(hidden));
  ExpectFrostFrame(hidden);

  EXPECT_EQ(Text(box), L"ZelvanoV2010");
  bool textFound = false, iconFound = false;
  for (HWND s : Children(box, L"Static")) {
    if (Text(s) == L"Zelvano程序已经运行！") textFound = true;
    if ((GetWindowLongW(s, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) iconFound = true;
  }
  EXPECT_TRUE(textFound);
  EXPECT_TRUE(iconFound);
  std::vector<HWND> buttons = Children(box, L"Button");
  ASSERT_EQ(buttons.size(), 1u) << "OK only";
  EXPECT_EQ(GetDlgCtrlID(buttons[0]), IDOK);

  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(buttons[0]));
  ASSERT_EQ(WaitForSingleObject(second.info.hProcess, 15000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(second.info.hProcess, &code);
  EXPECT_EQ(code, 0u);

  // The first copy is undisturbed and still answers.
  EXPECT_TRUE(first.Running());
  DWORD_PTR answer = 0;
  EXPECT_TRUE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer));
  EXPECT_TRUE(IsWindowVisible(main));

  // Closing the window ends the program; a new start runs again as the only copy.
  PostMessageW(main, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(first.info.hProcess, 15000), WAIT_OBJECT_0);
  Process again;
  ASSERT_TRUE(again.Start(kViewer));
  EXPECT_TRUE(zeltest::PumpUntil(
      [&] { return FindTopLevel(again.info.dwProcessId, L"ZelvanoMainForm", true) != nullptr; },
      30s));
  EXPECT_EQ(FindTopLevel(again.info.dwProcessId, L"#32770", true), nullptr);
  PostMessageW(FindTopLevel(again.info.dwProcessId, L"ZelvanoMainForm", true), WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(again.info.hProcess, 15000), WAIT_OBJECT_0);
}

}  // namespace
