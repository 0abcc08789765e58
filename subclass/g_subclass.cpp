#include "subclass/g_subclass.h"

#include <string>

#include "subclass/property_registry.h"
#include "subclass/window_kind.h"
#include "win32/trace.h"

namespace reg = zel::subclass_registry;
using zel::subclass_thunk::SwapWindowProc;

namespace {

constexpr int32_t kErrCantSubclass = 13081;
constexpr int32_t kErrAlreadyHandled = 13082;
constexpr int32_t kErrInvalidWindow = 13083;
constexpr int32_t kErrExternalWindow = 13084;
constexpr int32_t kErrStoreFailed = 5;
constexpr int32_t kInterfaceErrorBase = static_cast<int32_t>(0x80040000u);

HANDLE AsValue(int32_t number) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(number)); }

int32_t AsNumber(HANDLE value) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(value)); }

WNDPROC ReadOldProc(HWND h) { return reinterpret_cast<WNDPROC>(reg::Read(h, reg::OldProcName(h))); }

int32_t ReadClientCount(HWND h, int32_t m) {
  return AsNumber(reg::Read(h, reg::ClientCountName(h, m)));
}

ISubclass* ReadClient(HWND h, int32_t m, int32_t i) {
  return static_cast<ISubclass*>(reg::Read(h, reg::ClientName(h, m, i)));
}

// Puts the window's own procedure back and drops the window-wide entries; the
// per-message entries stay.
void ReleaseWindow(HWND h, WNDPROC old) {
  if (old != nullptr) SwapWindowProc(h, reinterpret_cast<LONG_PTR>(old));
  reg::Store(h, reg::OldProcName(h), nullptr);
  reg::Store(h, reg::AttachCountName(h), nullptr);
}

std::string ProgramName() {
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name(path, length);
  size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

const char* Description(int32_t code) {
  switch (code) {
    case kErrCantSubclass:
      return "Can't subclass window";
    case kErrAlreadyHandled:
      return "Message already handled by another class";
    case kErrInvalidWindow:
      return "Invalid window";
    case kErrExternalWindow:
      return "Can't modify external window";
    case kErrStoreFailed:
      return "Window property could not be stored";
    default:
      return "";
  }
}

}  // namespace

// The replacement procedure of every engine instance ends here. Nothing is
// cached: the registry is read afresh so that attaches and detaches made by
// the clients during a dispatch take effect at once. State is per call, so
// nested dispatches do not disturb each other; the current-message cell is
// shared, so it is written again before every call on a client. The message
// arrives in the window's own kind, so the old procedure is called in it too.
LRESULT zel::subclass_thunk::Dispatch(int32_t* currentMsg, HWND h, UINT msg, WPARAM wParam,
                                      LPARAM lParam) noexcept {
  WNDPROC old = ReadOldProc(h);
  if (old == nullptr) return 0;
  const bool unicode = IsWindowUnicode(h) != FALSE;
  auto callOld = [&] { return zel::window_kind::CallProc(unicode, old, h, msg, wParam, lParam); };
  const int32_t m = static_cast<int32_t>(msg);
  const int32_t n = ReadClientCount(h, m);
  if (n <= 0) {
    // Nobody watches the window's end: give it back before its own procedure sees WM_DESTROY.
    if (msg == WM_DESTROY) ReleaseWindow(h, old);
    return callOld();
  }
  LRESULT result = 0;
  bool oldCalled = false;
  ISubclass* last = nullptr;
  for (int32_t i = 1; i <= n; ++i) {
    ISubclass* client = ReadClient(h, m, i);
    if (client != nullptr) client->Dispatch_Begin();
    if (last != nullptr) last->Dispatch_End();  // the previous client is done with
    last = client;
    if (client == nullptr) continue;
    *currentMsg = m;
    if (i == 1 && (client->MsgResponse() & Response_Before) != 0) {
      result = callOld();
      oldCalled = true;
    }
    *currentMsg = m;
    result = client->WindowProc(h, msg, wParam, lParam);
  }
  if (last != nullptr) {
    *currentMsg = m;  // a nested dispatch inside the clients wrote its own message
    if (!oldCalled && (last->MsgResponse() & Response_After) != 0) {
      result = callOld();
    }
    *currentMsg = m;
    last->Dispatch_End();
  }
  return result;
}

GSubclass::GSubclass() = default;

GSubclass::~GSubclass() = default;

int32_t GSubclass::p_CurrentMessage() const { return ReplacementProc.CurrentMsg(); }

void GSubclass::Attach_Message(ISubclass* iwp, HWND lHwnd, int32_t iMsg) {
  if (!IsWindow(lHwnd)) Raise_Error(kErrInvalidWindow);
  if (!Window_Local(lHwnd)) Raise_Error(kErrExternalWindow);
  const int32_t n = Read_ClientCount(lHwnd, iMsg);
  for (int32_t i = 1; i <= n; ++i) {
    if (Read_Client(lHwnd, iMsg, i) == iwp) Raise_Error(kErrAlreadyHandled);
  }

  Write_ClientCount(lHwnd, iMsg, Read_ClientCount(lHwnd, iMsg) + 1);
  if (!StoreOk) Raise_Error(kErrStoreFailed);
  Write_Client(lHwnd, iMsg, Read_ClientCount(lHwnd, iMsg), iwp);
  if (!StoreOk) {
    Write_ClientCount(lHwnd, iMsg, Read_ClientCount(lHwnd, iMsg) - 1);
    Raise_Error(kErrStoreFailed);
  }

  if (Read_AttachCount(lHwnd) == 0) {
    LONG_PTR old = SwapWindowProc(lHwnd, ReplacementProc.Entry());
    if (old == 0) {
      Remove_LastClient(lHwnd, iMsg);
      Raise_Error(kErrCantSubclass);
    }
    Write_OldProc(lHwnd, reinterpret_cast<WNDPROC>(old));
    if (!StoreOk) {
      SwapWindowProc(lHwnd, old);
      Remove_LastClient(lHwnd, iMsg);
      Raise_Error(kErrStoreFailed);
    }
  }

  Write_AttachCount(lHwnd, Read_AttachCount(lHwnd) + 1);
  if (StoreOk) return;
  Remove_LastClient(lHwnd, iMsg);
  if (Read_AttachCount(lHwnd) == 0) {
    if (WNDPROC old = Read_OldProc(lHwnd)) {
      SwapWindowProc(lHwnd, reinterpret_cast<LONG_PTR>(old));
      Write_OldProc(lHwnd, nullptr);
    }
  }
  Raise_Error(kErrStoreFailed);
}

void GSubclass::Detach_Message(ISubclass* iwp, HWND lHwnd, int32_t iMsg) {
  if (!IsWindow(lHwnd) || !Window_Local(lHwnd)) return;
  const int32_t n = Read_ClientCount(lHwnd, iMsg);
  if (n <= 0) return;
  int32_t p = 1;
  while (p <= n && Read_Client(lHwnd, iMsg, p) != iwp) ++p;
  if (p > n) return;

  for (int32_t j = p; j < n; ++j) Write_Client(lHwnd, iMsg, j, Read_Client(lHwnd, iMsg, j + 1));
  Write_Client(lHwnd, iMsg, n, nullptr);
  Write_ClientCount(lHwnd, iMsg, Read_ClientCount(lHwnd, iMsg) - 1);

  // A window that Clean_Up or the WM_DESTROY release already gave back keeps only
  // per-message entries: its count must not go below 0 and its procedure stays.
  const int32_t attachments = Read_AttachCount(lHwnd);
  if (attachments <= 0) return;
  if (attachments == 1) {
    if (WNDPROC old = Read_OldProc(lHwnd)) SwapWindowProc(lHwnd, reinterpret_cast<LONG_PTR>(old));
    Write_OldProc(lHwnd, nullptr);
  }
  Write_AttachCount(lHwnd, Read_AttachCount(lHwnd) - 1);
}

bool GSubclass::Window_Local(HWND lHwnd) const {
  DWORD processId = 0;
  GetWindowThreadProcessId(lHwnd, &processId);
  return processId == GetCurrentProcessId();
}

LRESULT GSubclass::Get_OldProc(HWND lHwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  WNDPROC old = Read_OldProc(lHwnd);
  if (old == nullptr) return 0;
  return zel::window_kind::CallProc(IsWindowUnicode(lHwnd) != FALSE, old, lHwnd, iMsg, wParam,
                                    lParam);
}

void GSubclass::Clean_Up(HWND lHwnd) {
  if (Read_AttachCount(lHwnd) <= 0) return;
  ReleaseWindow(lHwnd, Read_OldProc(lHwnd));
}

WNDPROC GSubclass::Read_OldProc(HWND lHwnd) { return ReadOldProc(lHwnd); }

int32_t GSubclass::Read_AttachCount(HWND lHwnd) {
  return AsNumber(reg::Read(lHwnd, reg::AttachCountName(lHwnd)));
}

int32_t GSubclass::Read_ClientCount(HWND lHwnd, int32_t iMsg) {
  return ReadClientCount(lHwnd, iMsg);
}

ISubclass* GSubclass::Read_Client(HWND lHwnd, int32_t iMsg, int32_t position) {
  return ReadClient(lHwnd, iMsg, position);
}

void GSubclass::Write_OldProc(HWND lHwnd, WNDPROC value) {
  StoreOk = reg::Store(lHwnd, reg::OldProcName(lHwnd), reinterpret_cast<HANDLE>(value));
}

void GSubclass::Write_AttachCount(HWND lHwnd, int32_t value) {
  StoreOk = reg::Store(lHwnd, reg::AttachCountName(lHwnd), AsValue(value));
}

void GSubclass::Write_ClientCount(HWND lHwnd, int32_t iMsg, int32_t value) {
  StoreOk = reg::Store(lHwnd, reg::ClientCountName(lHwnd, iMsg), AsValue(value));
}

void GSubclass::Write_Client(HWND lHwnd, int32_t iMsg, int32_t position, ISubclass* value) {
  StoreOk = reg::Store(lHwnd, reg::ClientName(lHwnd, iMsg, position), value);
}

void GSubclass::Remove_LastClient(HWND lHwnd, int32_t iMsg) {
  Write_Client(lHwnd, iMsg, Read_ClientCount(lHwnd, iMsg), nullptr);
  Write_ClientCount(lHwnd, iMsg, Read_ClientCount(lHwnd, iMsg) - 1);
}

void GSubclass::Raise_Error(int32_t code) {
  const int32_t number = code <= 1000 ? code : (kInterfaceErrorBase | code);
  const std::string description = Description(code);
  zel::TraceFailure(L"GSubclass raised error " + zel::HexText(static_cast<uint32_t>(number)) +
                    L": " + std::wstring(description.begin(), description.end()));
  if (code <= 1000) throw SubclassError(code, "", description);
  throw SubclassError(number, ProgramName() + ".WindowProc", description);
}
