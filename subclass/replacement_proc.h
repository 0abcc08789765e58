// The replacement window procedure of one engine instance: a few bytes of
// executable code that lead into the shared dispatch routine with the
// instance's current-message cell.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace zel::subclass_thunk {

struct ThunkState;

class ReplacementProc {
 public:
  ReplacementProc();  // throws std::bad_alloc when no executable memory is available
  ~ReplacementProc();
  ReplacementProc(const ReplacementProc&) = delete;
  ReplacementProc& operator=(const ReplacementProc&) = delete;

  LONG_PTR Entry() const;
  int32_t CurrentMsg() const;

 private:
  ThunkState* state_;
};

// Makes proc the window procedure of hwnd and returns the one it replaced (0 on
// failure). Every install and restore of the engine goes through here, so that
// each replacement procedure knows how many windows still run through it.
LONG_PTR SwapWindowProc(HWND hwnd, LONG_PTR proc);

// Replacement procedures whose code is still reserved: those of live engines
// and those that windows or running dispatches still use.
size_t LiveReplacementProcs();

// The shared dispatch routine, defined by the engine.
LRESULT Dispatch(int32_t* currentMsg, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

}  // namespace zel::subclass_thunk
