#include "subclass_test_support.h"

#include <string>

namespace subclass_test {
namespace {

constexpr wchar_t kClassName[] = L"ZelSubclassTestWindow";
constexpr char kAnsiClassName[] = "ZelSubclassAnsiTestWindow";

void RegisterTestClasses(WNDPROC unicodeProc, WNDPROC ansiProc) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSW wc{};
  wc.lpfnWndProc = unicodeProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClassName;
  WNDCLASSA ac{};
  ac.lpfnWndProc = ansiProc;
  ac.hInstance = GetModuleHandleW(nullptr);
  ac.lpszClassName = kAnsiClassName;
  registered = RegisterClassW(&wc) != 0 && RegisterClassA(&ac) != 0;
}

BOOL CALLBACK CollectProperty(HWND, LPSTR name, HANDLE data, ULONG_PTR param) {
  auto* out = reinterpret_cast<std::map<std::string, HANDLE>*>(param);
  if (IS_INTRESOURCE(name)) {
    (*out)["#" + std::to_string(reinterpret_cast<uintptr_t>(name))] = data;
  } else {
    (*out)[name] = data;
  }
  return TRUE;
}

}  // namespace

TestWindow::TestWindow(CallLog* log, HWND parent, WindowKind kind) : log(log) {
  RegisterTestClasses(&TestWindow::ProcW, &TestWindow::ProcA);
  const DWORD style = parent ? 0 : WS_OVERLAPPEDWINDOW;
  if (kind == WindowKind::kAnsi) {
    hwnd_ = CreateWindowExA(0, kAnsiClassName, "subclass test", style, 0, 0, 200, 100, parent,
                            nullptr, GetModuleHandleW(nullptr), this);
  } else {
    hwnd_ = CreateWindowExW(0, kClassName, L"subclass test", style, 0, 0, 200, 100, parent, nullptr,
                            GetModuleHandleW(nullptr), this);
  }
}

TestWindow::~TestWindow() { Destroy(); }

void TestWindow::Destroy() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

LRESULT CALLBACK TestWindow::ProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return Handle(hwnd, msg, wParam, lParam, &DefWindowProcW);
}

LRESULT CALLBACK TestWindow::ProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return Handle(hwnd, msg, wParam, lParam, &DefWindowProcA);
}

LRESULT TestWindow::Handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, WNDPROC fallback) {
  if (msg == WM_NCCREATE) {
    // lpCreateParams lies at the same place in both kinds of CREATESTRUCT.
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self != nullptr) {
    if (msg == WM_DESTROY) {
      ++self->destroyCalls;
      self->propertiesAtDestroy = Properties(hwnd);
      self->procAtDestroy = CurrentProc(hwnd);
    }
    if (msg >= WM_APP) {
      ++self->ownCalls;
      self->lastMsg = msg;
      self->lastWParam = wParam;
      self->lastLParam = lParam;
      if (self->log != nullptr) self->log->push_back("own");
      if (self->onOwn) self->onOwn(msg);
      return OwnResult(msg, wParam);
    }
  }
  return fallback(hwnd, msg, wParam, lParam);
}

std::map<std::string, HANDLE> Properties(HWND hwnd) {
  std::map<std::string, HANDLE> props;
  EnumPropsExA(hwnd, &CollectProperty, reinterpret_cast<LPARAM>(&props));
  return props;
}

std::map<std::string, HANDLE> AddedProperties(HWND hwnd,
                                              const std::map<std::string, HANDLE>& baseline) {
  std::map<std::string, HANDLE> added;
  for (const auto& [name, value] : Properties(hwnd)) {
    if (baseline.count(name) == 0) added[name] = value;
  }
  return added;
}

WNDPROC CurrentProc(HWND hwnd) {
  return reinterpret_cast<WNDPROC>(IsWindowUnicode(hwnd) ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC)
                                                         : GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
}

std::string Decimal(HWND hwnd) {
  return std::to_string(static_cast<int32_t>(reinterpret_cast<uintptr_t>(hwnd)));
}

}  // namespace subclass_test
