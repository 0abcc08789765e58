// A long evening with the running viewer, driven from outside: channel clicks in
// its tree (a click at the channel's row, as the mouse makes it) and style
// changes (clicks on its style option buttons). Prints the viewer's private
// bytes, committed private memory, live GDI objects and windows after a warm-up
// and along the run; the loopback servers of this build tree's tests stand in
// for the stream server and the guide site.
// Run: scripts/wine-run.sh build/<dir>/bench/soak/soak_bench.exe
//        [clicks [styles [warm-up clicks [warm-up styles [viewer.exe]]]]]
// Wine's player builds a filter graph for every address it is given and, when it
// cannot play it (no stream here), keeps the graph's thread: one thread, about
// 3 MB committed and 1 MB resident, per channel click, in the player alone.
// Without Wine's quartz.dll the player takes each address and plays nothing,
// and what is left is the viewer's own:
//   ZELVANO_DLL_OVERRIDES=quartz= scripts/wine-run.sh .../soak_bench.exe
// The browser's downloads run on the system's thread pool, which starts another
// worker whenever those it has are busy and retires one left idle for 5 s (Wine's
// pool; each costs half a MiB to a MiB). So the growth is read between two moments of
// rest, before and after the run, each after some seconds without input; the
// figures one second after the last input are printed beside them.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "common/started_program.h"
#include "support/gdi_objects.h"
#include "support/http_server.h"
#include "support/test_ports.h"
#include "support/window_list.h"

namespace {

// Longer than the pool's idle time for a worker, with a margin.
constexpr DWORD kRestMs = 10000;

const wchar_t* const kStyles[] = {L"Frost", L"Leaf",       L"Midnight", L"Ocean",
                                  L"Alpha", L"Alpha Wire", L"Hybrid"};

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_NORMAL, 30000, &result)) {
    std::fprintf(stderr, "the viewer did not answer message 0x%x\n", msg);
    ExitProcess(2);
  }
  return static_cast<LRESULT>(result);
}

HTREEITEM Next(HWND tree, HTREEITEM item, UINT how) {
  return reinterpret_cast<HTREEITEM>(
      Send(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}

// A few bytes inside the viewer for the tree messages that answer through a pointer.
class RemoteBuffer {
 public:
  explicit RemoteBuffer(HANDLE process) : process_(process) {
    at_ = VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (at_) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  LPARAM address() const { return reinterpret_cast<LPARAM>(at_); }
  bool Write(const void* data, size_t size) {
    return at_ && WriteProcessMemory(process_, at_, data, size, nullptr);
  }
  bool Read(void* data, size_t size) const {
    return at_ && ReadProcessMemory(process_, at_, data, size, nullptr);
  }

 private:
  HANDLE process_;
  void* at_ = nullptr;
};

class Viewer {
 public:
  Viewer(HANDLE process, HWND main) : process_(process), main_(main), buffer_(process) {
    tree_ = zelbench::FindDescendant(main, WC_TREEVIEWW);
    for (HWND child : zeltest::ChildWindows(main)) {
      if (zeltest::ClassName(child) != L"Button") continue;
      for (const wchar_t* style : kStyles)
        if (zeltest::WindowText(child) == style) options_.push_back(child);
    }
    // Every group open, as a user browsing the channels has them; the channels
    // are the groups' children.
    for (HTREEITEM group = Next(tree_, nullptr, TVGN_ROOT); group;
         group = Next(tree_, group, TVGN_NEXT)) {
      HTREEITEM channel = Next(tree_, group, TVGN_CHILD);
      if (channel) Send(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(group));
      for (; channel; channel = Next(tree_, channel, TVGN_NEXT)) channels_.push_back(channel);
    }
  }

  bool ready() const {
    return tree_ && options_.size() == std::size(kStyles) && !channels_.empty();
  }
  size_t channels() const { return channels_.size(); }

  // Clicks the middle of the channel's row, as the mouse does: the cursor there,
  // the button down and up. Done when the tree has selected it, which it does
  // after its click notification (the viewer's handler) has returned.
  bool ClickChannel(int n) {
    HTREEITEM item = channels_[static_cast<size_t>(n) % channels_.size()];
    Send(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    RECT r{};
    memcpy(&r, &item, sizeof(item));  // TVM_GETITEMRECT takes the item in the rectangle
    if (!buffer_.Write(&r, sizeof(r)) || !Send(tree_, TVM_GETITEMRECT, TRUE, buffer_.address()) ||
        !buffer_.Read(&r, sizeof(r)))
      return false;
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    POINT screen = p;
    ClientToScreen(tree_, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(tree_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    PostMessageW(tree_, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    for (int wait = 0; wait < 10000; ++wait) {
      if (Next(tree_, nullptr, TVGN_CARET) == item) return true;
      Sleep(1);
    }
    return false;
  }

  // A click on one of the style option buttons; its handler has run when this returns.
  void ClickStyle(int n) {
    Send(options_[static_cast<size_t>(n) % options_.size()], BM_CLICK, 0, 0);
  }

  struct Figures {
    size_t private_bytes, committed_private, working_set;
    int gdi_objects, windows, threads;
  };

  Figures Measure() const {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process_, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof(counters)))
      std::fprintf(stderr, "GetProcessMemoryInfo: error %lu\n", GetLastError());
    int windows = 0;
    for (HWND top : zeltest::TopLevelWindowsOf(GetProcessId(process_)))
      windows += 1 + static_cast<int>(zeltest::ChildWindows(top).size());
    // Windows gives the same figure as PrivateUsage and PagefileUsage; Wine fills
    // only the latter (from the resident anonymous memory).
    const size_t private_bytes =
        counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    return {private_bytes,
            CommittedPrivate(),
            counters.WorkingSetSize,
            zeltest::LiveGdiObjects(process_),
            windows,
            Threads()};
  }

  Figures Print(const char* when, int clicks, int styles, double seconds) const {
    const Figures f = Measure();
    std::printf(
        "%-8s %5d clicks %5d styles  private %10zu B  committed private %10zu B  "
        "working set %10zu B  GDI objects %4d  windows %3d  threads %4d  %6.1f s\n",
        when, clicks, styles, f.private_bytes, f.committed_private, f.working_set, f.gdi_objects,
        f.windows, f.threads, seconds);
    std::fflush(stdout);
    return f;
  }

 private:
  // Committed private memory: what Windows counts as private bytes.
  size_t CommittedPrivate() const {
    size_t total = 0;
    MEMORY_BASIC_INFORMATION info{};
    for (const char* at = nullptr;
         VirtualQueryEx(process_, at, &info, sizeof(info)) == sizeof(info);
         at = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
      if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
    }
    return total;
  }

 public:
  std::vector<DWORD> ThreadIds() const {
    const DWORD pid = GetProcessId(process_);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    std::vector<DWORD> ids;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
      if (entry.th32OwnerProcessID == pid) ids.push_back(entry.th32ThreadID);
    CloseHandle(snapshot);
    return ids;
  }
  int Threads() const { return static_cast<int>(ThreadIds().size()); }

  // The threads now alive that `earlier` did not have, counted by the module their
  // start address lies in: who started what the run left running.
  std::map<std::wstring, int> NewThreadsByModule(const std::vector<DWORD>& earlier) const {
    // The modules' places, read once: each read is a call into the other process.
    struct Module {
      const char* base;
      DWORD size;
      std::wstring name;
    };
    std::vector<HMODULE> handles(1024);
    DWORD needed = 0;
    EnumProcessModulesEx(process_, handles.data(),
                         static_cast<DWORD>(handles.size() * sizeof(HMODULE)), &needed,
                         LIST_MODULES_ALL);
    handles.resize(std::min<size_t>(handles.size(), needed / sizeof(HMODULE)));
    std::vector<Module> modules;
    for (HMODULE m : handles) {
      MODULEINFO info{};
      wchar_t name[MAX_PATH] = L"";
      if (GetModuleInformation(process_, m, &info, sizeof(info)) &&
          GetModuleBaseNameW(process_, m, name, MAX_PATH))
        modules.push_back({static_cast<const char*>(info.lpBaseOfDll), info.SizeOfImage, name});
    }
    std::map<std::wstring, int> started;
    for (DWORD id : ThreadIds()) {
      if (std::find(earlier.begin(), earlier.end(), id) != earlier.end()) continue;
      std::wstring where = L"?";
      if (HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, id)) {
        const char* start = nullptr;
        // ThreadQuerySetWin32StartAddress
        if (NtQueryInformationThread(thread, static_cast<THREADINFOCLASS>(9), &start, sizeof(start),
                                     nullptr) >= 0) {
          for (const Module& m : modules)
            if (start >= m.base && start < m.base + m.size) where = m.name;
        }
        CloseHandle(thread);
      }
      ++started[where];
    }
    return started;
  }

 private:
  HANDLE process_;
  HWND main_;
  HWND tree_ = nullptr;
  std::vector<HWND> options_;
  std::vector<HTREEITEM> channels_;
  RemoteBuffer buffer_;
};

}  // namespace

int main(int argc, char** argv) {
  const int clicks = argc > 1 ? std::atoi(argv[1]) : 2000;
  const int styles = argc > 2 ? std::atoi(argv[2]) : 1000;
  const int warm_clicks = argc > 3 ? std::atoi(argv[3]) : 100;
  const int warm_styles = argc > 4 ? std::atoi(argv[4]) : 50;
  std::wstring exe = zelbench::InBuildTree(L"viewer\\ZelvanoV2010.exe");
  if (argc > 5) {
    const std::string given = argv[5];
    exe.assign(given.begin(), given.end());
  }
  zeltest::HttpServer stream(zeltest::kStreamPort), guide(zeltest::kGuidePort);
  if (!stream.listening() || !guide.listening())
    std::fprintf(stderr, "warning: the loopback servers of this tree's tests could not listen\n");

  zelbench::StartedProgram started;
  if (!started.Start(exe)) {
    std::fprintf(stderr, "the viewer showed no window\n");
    return 1;
  }
  HANDLE process = OpenProcess(
      PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_VM_OPERATION, FALSE,
      started.id());
  Sleep(1000);
  Viewer viewer(process, started.window());
  if (!process || !viewer.ready()) {
    std::fprintf(stderr, "the viewer's tree or style options were not found\n");
    return 1;
  }
  std::printf(
      "%zu channels, %d style options; %d clicks and %d style changes after a warm-up "
      "of %d and %d; growth read between two rests of %lu s without input (the thread "
      "pool's idle workers retired), and 1 s after the last input\n",
      viewer.channels(), static_cast<int>(std::size(kStyles)), clicks, styles, warm_clicks,
      warm_styles, kRestMs / 1000);
  viewer.Print("started", 0, 0, 0);

  // Two channel clicks to one style change, the style changes spread through the run.
  const double t0 = zelbench::Now();
  auto run = [&](int n_clicks, int n_styles, int first, const char* label, int every) {
    int c = 0, s = 0;
    while (c < n_clicks || s < n_styles) {
      if (c < n_clicks && (s >= n_styles || c * n_styles <= s * n_clicks)) {
        if (!viewer.ClickChannel(first + c)) {
          std::fprintf(stderr, "click %d was not taken\n", first + c);
          ExitProcess(3);
        }
        ++c;
      } else {
        viewer.ClickStyle(first + s);
        ++s;
      }
      if (every && (c + s) % every == 0) viewer.Print(label, c, s, zelbench::Now() - t0);
    }
  };
  run(warm_clicks, warm_styles, 0, "warm-up", 0);
  // Measured in the first style both times: the styles' frames differ in their objects.
  viewer.ClickStyle(0);
  Sleep(1000);
  const Viewer::Figures soon_before = viewer.Print("warm-up", 0, 0, zelbench::Now() - t0);
  Sleep(kRestMs - 1000);
  const size_t guide_before = guide.Requests().size();
  const Viewer::Figures before = viewer.Print("before", 0, 0, zelbench::Now() - t0);
  const std::vector<DWORD> threads_before = viewer.ThreadIds();
  run(clicks, styles, warm_clicks, "running", (clicks + styles) / 6);
  viewer.ClickStyle(0);
  Sleep(1000);
  const Viewer::Figures soon_after = viewer.Print("1 s on", clicks, styles, zelbench::Now() - t0);
  const auto threads_soon_after = viewer.NewThreadsByModule(threads_before);
  Sleep(kRestMs - 1000);
  const Viewer::Figures after = viewer.Print("after", clicks, styles, zelbench::Now() - t0);
  auto grew = [](size_t b, size_t a) {
    return static_cast<long long>(a) - static_cast<long long>(b);
  };
  auto print_growth = [&](const char* when, const Viewer::Figures& b, const Viewer::Figures& a) {
    std::printf(
        "growth %s: private %lld B (%.2f MiB), committed private %lld B, working set %lld B, "
        "GDI objects %d, windows %d, threads %d\n",
        when, grew(b.private_bytes, a.private_bytes),
        grew(b.private_bytes, a.private_bytes) / 1048576.0,
        grew(b.committed_private, a.committed_private), grew(b.working_set, a.working_set),
        a.gdi_objects - b.gdi_objects, a.windows - b.windows, a.threads - b.threads);
  };
  print_growth("at rest", before, after);
  print_growth("1 s after the last input", soon_before, soon_after);
  std::printf("guide pages requested during the run: %zu\n",
              guide.Requests().size() - guide_before);
  for (const auto& [module, count] : threads_soon_after)
    std::printf("threads started during the run and alive 1 s after it, from %ls: %d\n",
                module.c_str(), count);
  for (const auto& [module, count] : viewer.NewThreadsByModule(threads_before))
    std::printf("threads started during the run and alive at rest, from %ls: %d\n", module.c_str(),
                count);

  CloseHandle(process);
  return started.Close() ? 0 : 1;
}
