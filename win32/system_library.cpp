#include "win32/system_library.h"

#include <string>

namespace zel {
namespace {
constexpr LoaderCalls kSystemCalls{&LoadLibraryExW};
LoaderCalls g_calls = kSystemCalls;

std::wstring SystemPath(const wchar_t* name) {
  wchar_t dir[MAX_PATH];
  const UINT length = GetSystemDirectoryW(dir, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::wstring path(dir, length);
  if (path.back() != L'\\') path += L'\\';
  return path + name;
}
}  // namespace

LoaderCalls& Loader() { return g_calls; }

void ResetLoaderCalls() { g_calls = kSystemCalls; }

HMODULE LoadSystemLibrary(const wchar_t* name) {
  if (HMODULE module = g_calls.loadLibraryEx(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
    return module;
  if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  const std::wstring path = SystemPath(name);
  if (path.empty()) return nullptr;
  // With a full path, the library's own dependencies are searched beside it first.
  return g_calls.loadLibraryEx(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace zel
