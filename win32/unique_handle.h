// A kernel handle closed with the scope that owns it.
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

}  // namespace zel
