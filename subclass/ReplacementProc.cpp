// Binding: the platform calls a window procedure with the four message
// arguments only, so each engine instance gets a small executable thunk that
// adds a pointer to its current-message cell and jumps on to one shared
// routine. The thunk jumps rather than calls, so it is never on the stack
// when control returns; nothing is written to the window or the registry to
// find the instance. The code lives in a page of its own (written, then made
// execute-read) and is freed with the engine.
//   x86_64: mov rax, cell; mov r11, Frame64; jmp r11. Frame64 (below, with
//           unwind data) passes rax on as the fifth argument.
//   i686:   pop eax; push cell; push eax; mov eax, Entry32; jmp eax. The cell
//           becomes the first argument of a stdcall routine that pops all five.
// An engine destroyed while its procedure is still installed on some window
// keeps its thunk and cell alive (leaks them) rather than leave the window
// calling into freed code.
#include "subclass/ReplacementProc.h"

#include <cstring>
#include <map>
#include <mutex>
#include <new>

#include "subclass/PropertyRegistry.h"

namespace zel::subclass_thunk {

struct ThunkState {
  int32_t currentMsg = 0;
  int32_t installs = 0;  // windows whose procedure is this thunk
  unsigned char* code = nullptr;
};

#if defined(__x86_64__)
// Called only from Frame64 below.
extern "C" __attribute__((used)) LRESULT ZelSubclassEntry64(HWND hwnd, UINT msg, WPARAM wParam,
                                                            LPARAM lParam,
                                                            int32_t* currentMsg) noexcept {
  return Dispatch(currentMsg, hwnd, msg, wParam, lParam);
}
#elif defined(__i386__)
static LRESULT __stdcall Entry32(int32_t* currentMsg, HWND hwnd, UINT msg, WPARAM wParam,
                                 LPARAM lParam) noexcept {
  return Dispatch(currentMsg, hwnd, msg, wParam, lParam);
}
#else
#error "Replacement procedures are written for i686 and x86_64 only"
#endif

#if defined(__x86_64__)
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
#endif

namespace {

// Thunks by entry address, including those kept alive after their engine went.
std::mutex g_liveMutex;
std::map<LONG_PTR, ThunkState*> g_live;

template <typename T>
unsigned char* Put(unsigned char* at, T value) {
  std::memcpy(at, &value, sizeof(value));
  return at + sizeof(value);
}

unsigned char* Put(unsigned char* at, std::initializer_list<unsigned char> bytes) {
  for (unsigned char b : bytes) *at++ = b;
  return at;
}

void WriteCode(unsigned char* at, int32_t* cell) {
#if defined(__x86_64__)
  at = Put(at, {0x48, 0xB8});  // mov rax, imm64
  at = Put(at, cell);
  at = Put(at, {0x49, 0xBB});  // mov r11, imm64
  at = Put(at, reinterpret_cast<void*>(&ZelSubclassFrame64));
  Put(at, {0x41, 0xFF, 0xE3});  // jmp r11
#else
  at = Put(at, {0x58, 0x68});  // pop eax; push imm32
  at = Put(at, cell);
  at = Put(at, {0x50, 0xB8});  // push eax; mov eax, imm32
  at = Put(at, reinterpret_cast<void*>(&Entry32));
  Put(at, {0xFF, 0xE0});  // jmp eax
#endif
}

constexpr size_t kCodeSize = 32;

ThunkState* Find(LONG_PTR proc) {
  auto it = g_live.find(proc);
  return it == g_live.end() ? nullptr : it->second;
}

}  // namespace

ReplacementProc::ReplacementProc() : state_(new ThunkState) {
  void* page = VirtualAlloc(nullptr, kCodeSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  DWORD oldProtect = 0;
  if (page == nullptr) {
    delete state_;
    throw std::bad_alloc();
  }
  state_->code = static_cast<unsigned char*>(page);
  WriteCode(state_->code, &state_->currentMsg);
  if (!VirtualProtect(page, kCodeSize, PAGE_EXECUTE_READ, &oldProtect)) {
    VirtualFree(page, 0, MEM_RELEASE);
    delete state_;
    throw std::bad_alloc();
  }
  FlushInstructionCache(GetCurrentProcess(), page, kCodeSize);
  std::lock_guard lock(g_liveMutex);
  g_live[Entry()] = state_;
}

ReplacementProc::~ReplacementProc() {
  std::lock_guard lock(g_liveMutex);
  if (state_->installs > 0) return;  // still some window's procedure: keep it
  g_live.erase(Entry());
  VirtualFree(state_->code, 0, MEM_RELEASE);
  delete state_;
}

LONG_PTR ReplacementProc::Entry() const { return reinterpret_cast<LONG_PTR>(state_->code); }

int32_t ReplacementProc::CurrentMsg() const { return state_->currentMsg; }

LONG_PTR SwapWindowProc(HWND hwnd, LONG_PTR proc) {
  LONG_PTR replaced = subclass_registry::Platform().setWindowProc(hwnd, proc);
  if (replaced != 0) {
    std::lock_guard lock(g_liveMutex);
    if (ThunkState* s = Find(proc)) ++s->installs;
    if (ThunkState* s = Find(replaced)) --s->installs;
  }
  return replaced;
}

}  // namespace zel::subclass_thunk
