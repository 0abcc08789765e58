// Binding: the platform calls a window procedure with the four message
// arguments only, so each engine instance gets a small executable thunk that
// adds a pointer to the instance's state and jumps on to one shared routine.
// Nothing is written to the window or the registry to find the instance. The
// thunk jumps rather than calls, so it is never on the stack once it has run.
//   x86_64: mov rax, state; mov r11, Frame64; jmp r11. Frame64 (below, with
//           unwind data) passes rax on as the fifth argument.
//   i686:   pop eax; push state; push eax; mov eax, Entry32; jmp eax. The state
//           becomes the first argument of a stdcall routine that pops all five.
// The code lives in a page of its own (written, then made execute-read).
// Code and state are freed when the engine is gone, no window has the thunk as
// its procedure and no dispatch runs through it, so a window never calls into
// freed code even when its engine is released early.
#include "subclass/replacement_proc.h"

#include <atomic>
#include <cstring>
#include <initializer_list>
#include <map>
#include <new>

#include "subclass/property_registry.h"
#include "subclass/window_kind.h"

namespace zel::subclass_thunk {

struct ThunkState {
  int32_t currentMsg = 0;
  std::atomic<int32_t> dispatches{0};  // dispatches running through the thunk
  int32_t installs = 0;                // windows whose procedure is the thunk
  bool engineGone = false;
  unsigned char* code = nullptr;
};

namespace {

// Thunks by entry address, including those that outlive their engine. Windows
// of one engine may live on several threads, so the table is locked; a slim
// reader/writer lock needs no threads library and no initialisation.
SRWLOCK g_liveLock = SRWLOCK_INIT;
std::map<LONG_PTR, ThunkState*> g_live;

class LiveLock {
 public:
  LiveLock() { AcquireSRWLockExclusive(&g_liveLock); }
  ~LiveLock() { ReleaseSRWLockExclusive(&g_liveLock); }
  LiveLock(const LiveLock&) = delete;
  LiveLock& operator=(const LiveLock&) = delete;
};

ThunkState* Find(LONG_PTR proc) {
  auto it = g_live.find(proc);
  return it == g_live.end() ? nullptr : it->second;
}

LONG_PTR EntryOf(const ThunkState* state) { return reinterpret_cast<LONG_PTR>(state->code); }

// Call with the LiveLock held.
void FreeIfUnused(ThunkState* state) {
  if (!state->engineGone || state->installs > 0 || state->dispatches.load() > 0) return;
  g_live.erase(EntryOf(state));
  VirtualFree(state->code, 0, MEM_RELEASE);
  delete state;
}

LRESULT Run(ThunkState* state, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  const LONG_PTR entry = EntryOf(state);
  ++state->dispatches;
  LRESULT result = Dispatch(&state->currentMsg, hwnd, msg, wParam, lParam);
  const LiveLock lock;
  // The window's last message: it will not call the thunk again.
  if (msg == WM_NCDESTROY && window_kind::GetProc(hwnd) == entry) --state->installs;
  if (--state->dispatches == 0) FreeIfUnused(state);
  return result;
}

}  // namespace

#if defined(__x86_64__)
// Called only from Frame64 below.
extern "C" __attribute__((used)) LRESULT ZelSubclassEntry64(HWND hwnd, UINT msg, WPARAM wParam,
                                                            LPARAM lParam,
                                                            ThunkState* state) noexcept {
  return Run(state, hwnd, msg, wParam, lParam);
}
extern "C" void ZelSubclassFrame64();
asm(R"(
  .text
  .p2align 4
  .globl ZelSubclassFrame64
  .def ZelSubclassFrame64; .scl 2; .type 32; .endef
  .seh_proc ZelSubclassFrame64
ZelSubclassFrame64:
  subq $56, %rsp
  .seh_stackalloc 56
  .seh_endprologue
  movq %rax, 32(%rsp)
  call ZelSubclassEntry64
  nop
  addq $56, %rsp
  ret
  .seh_endproc
)");
#elif defined(__i386__)
static LRESULT __stdcall Entry32(ThunkState* state, HWND hwnd, UINT msg, WPARAM wParam,
                                 LPARAM lParam) noexcept {
  return Run(state, hwnd, msg, wParam, lParam);
}
#else
#error "Replacement procedures are written for i686 and x86_64 only"
#endif

namespace {

constexpr size_t kCodeSize = 32;

template <typename T>
unsigned char* Put(unsigned char* at, T value) {
  std::memcpy(at, &value, sizeof(value));
  return at + sizeof(value);
}

unsigned char* Put(unsigned char* at, std::initializer_list<unsigned char> bytes) {
  for (unsigned char b : bytes) *at++ = b;
  return at;
}

void WriteCode(unsigned char* at, ThunkState* state) {
#if defined(__x86_64__)
  at = Put(at, {0x48, 0xB8});  // mov rax, imm64
  at = Put(at, state);
  at = Put(at, {0x49, 0xBB});  // mov r11, imm64
  at = Put(at, reinterpret_cast<void*>(&ZelSubclassFrame64));
  Put(at, {0x41, 0xFF, 0xE3});  // jmp r11
#else
  at = Put(at, {0x58, 0x68});  // pop eax; push imm32
  at = Put(at, state);
  at = Put(at, {0x50, 0xB8});  // push eax; mov eax, imm32
  at = Put(at, reinterpret_cast<void*>(&Entry32));
  Put(at, {0xFF, 0xE0});  // jmp eax
#endif
}

}  // namespace

ReplacementProc::ReplacementProc() : state_(new ThunkState) {
  void* page = subclass_registry::Platform().virtualAlloc(nullptr, kCodeSize,
                                                          MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  DWORD oldProtect = 0;
  if (page != nullptr) {
    WriteCode(static_cast<unsigned char*>(page), state_);
    if (!VirtualProtect(page, kCodeSize, PAGE_EXECUTE_READ, &oldProtect)) {
      VirtualFree(page, 0, MEM_RELEASE);
      page = nullptr;
    }
  }
  if (page == nullptr) {
    delete state_;
    throw std::bad_alloc();
  }
  FlushInstructionCache(GetCurrentProcess(), page, kCodeSize);
  state_->code = static_cast<unsigned char*>(page);
  const LiveLock lock;
  g_live[EntryOf(state_)] = state_;
}

ReplacementProc::~ReplacementProc() {
  const LiveLock lock;
  state_->engineGone = true;
  FreeIfUnused(state_);
}

LONG_PTR ReplacementProc::Entry() const { return EntryOf(state_); }

int32_t ReplacementProc::CurrentMsg() const { return state_->currentMsg; }

size_t LiveReplacementProcs() {
  const LiveLock lock;
  return g_live.size();
}

LONG_PTR SwapWindowProc(HWND hwnd, LONG_PTR proc) {
  LONG_PTR replaced = subclass_registry::Platform().setWindowProc(hwnd, proc);
  if (replaced != 0) {
    const LiveLock lock;
    if (ThunkState* s = Find(proc)) ++s->installs;
    if (ThunkState* s = Find(replaced)) {
      --s->installs;
      FreeIfUnused(s);
    }
  }
  return replaced;
}

}  // namespace zel::subclass_thunk
