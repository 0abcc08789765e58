// Two real copies of the viewer: the second warns and ends, the first runs on.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/http_server.h"
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

struct Search {
  DWORD pid;
  const wchar_t* cls;
  bool visibleOnly;
  HWND found;
};

// A top-level window of class `cls` owned by process `pid`.
HWND FindTopLevel(DWORD pid, const wchar_t* cls, bool visibleOnly) {
  Search s{pid, cls, visibleOnly, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        wchar_t cls[64] = {};
        GetClassNameW(hwnd, cls, 64);
        if (owner == s.pid && wcscmp(cls, s.cls) == 0 &&
            (!s.visibleOnly || IsWindowVisible(hwnd))) {
          s.found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::wstring Text(HWND hwnd) {
  wchar_t buf[256] = {};
  GetWindowTextW(hwnd, buf, 256);
  return buf;
}

std::vector<HWND> Children(HWND parent, const wchar_t* cls) {
  std::vector<HWND> out;
  struct Ctx {
    const wchar_t* cls;
    std::vector<HWND>* out;
  } ctx{cls, &out};
  EnumChildWindows(
      parent,
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto& c = *reinterpret_cast<Ctx*>(lp);
        wchar_t cls[64] = {};
        GetClassNameW(hwnd, cls, 64);
        if (_wcsicmp(cls, c.cls) == 0) c.out->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return out;
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
  std::string registry = std::to_string(static_cast<int32_t>(reinterpret_cast<INT_PTR>(hidden)));
  EXPECT_NE(GetPropA(hidden, registry.c_str()), nullptr) << "skin start did not run";

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
