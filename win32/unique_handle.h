// Kernel handles and system-allocated memory, released with the scope that owns them.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace zel {

struct HandleCloser {
  void operator()(HANDLE handle) const {
    if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// Memory the system allocated for the caller with LocalAlloc (FormatMessage,
// ConvertSidToStringSid).
struct LocalFreer {
  void operator()(void* memory) const {
    if (memory) LocalFree(memory);
  }
};
template <class T>
using UniqueLocalOf = std::unique_ptr<T, LocalFreer>;
using UniqueLocal = UniqueLocalOf<wchar_t>;

}  // namespace zel
