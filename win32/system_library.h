// Loads a library of the system directory, and only from there: never by bare
// name, which would search the program's folder and the current directory.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace zel {

// The loader call, replaceable by tests (ResetLoaderCalls puts the system's back).
using LoadLibraryExFunction = HMODULE(WINAPI*)(LPCWSTR, HANDLE, DWORD);
struct LoaderCalls {
  LoadLibraryExFunction loadLibraryEx;
};
LoaderCalls& Loader();
void ResetLoaderCalls();

// Loads `name` (a file name such as L"atl.dll") from the system directory.
// Windows without the loader update (Vista, Windows 7 before KB2533623) refuse
// LOAD_LIBRARY_SEARCH_SYSTEM32; the library is then loaded by its full path.
// Null when it cannot be loaded; GetLastError tells why.
HMODULE LoadSystemLibrary(const wchar_t* name);

struct LibraryFreer {
  void operator()(HMODULE module) const {
    if (module) FreeLibrary(module);
  }
};
using UniqueLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

// The address of an export as a function pointer of type Fn; null when missing.
template <class Fn>
Fn LibraryFunction(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace zel
