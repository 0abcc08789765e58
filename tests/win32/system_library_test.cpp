// Loading system libraries where the loader refuses LOAD_LIBRARY_SEARCH_SYSTEM32,
// as Vista and Windows 7 without the loader update do.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/system_library.h"

namespace {

struct LoadCall {
  std::wstring name;
  DWORD flags;
};
std::vector<LoadCall> g_calls;

HMODULE WINAPI LoaderWithoutSearchFlags(LPCWSTR name, HANDLE file, DWORD flags) {
  g_calls.push_back({name, flags});
  if (flags & LOAD_LIBRARY_SEARCH_SYSTEM32) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return LoadLibraryExW(name, file, flags);
}

HMODULE WINAPI LoaderWithoutTheLibrary(LPCWSTR name, HANDLE, DWORD flags) {
  g_calls.push_back({name, flags});
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

std::wstring SystemDirectory() {
  wchar_t dir[MAX_PATH];
  const UINT length = GetSystemDirectoryW(dir, MAX_PATH);
  return std::wstring(dir, length);
}

TEST(SystemLibrary, WithoutTheSearchFlagItIsLoadedByItsFullSystemPath) {
  for (const wchar_t* name : {L"atl.dll", L"dwmapi.dll"}) {
    SCOPED_TRACE(testing::Message() << "library " << static_cast<const void*>(name));
    g_calls.clear();
    zel::Loader().loadLibraryEx = &LoaderWithoutSearchFlags;
    const zel::UniqueLibrary module(zel::LoadSystemLibrary(name));
    zel::ResetLoaderCalls();
    ASSERT_TRUE(module);
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[0].name, name);
    EXPECT_EQ(g_calls[1].name, SystemDirectory() + L"\\" + name);  // never the bare name
    EXPECT_EQ(g_calls[1].flags & LOAD_LIBRARY_SEARCH_SYSTEM32, 0u);
    wchar_t loaded[MAX_PATH] = {};
    GetModuleFileNameW(module.get(), loaded, MAX_PATH);
    EXPECT_EQ(_wcsicmp(loaded, g_calls[1].name.c_str()), 0);
  }
}

TEST(SystemLibrary, OtherFailuresAreNotRetriedElsewhere) {
  g_calls.clear();
  // Only the invalid-parameter refusal means an old loader; a missing library stays missing.
  zel::Loader().loadLibraryEx = &LoaderWithoutTheLibrary;
  const HMODULE module = zel::LoadSystemLibrary(L"zelvano-missing.dll");
  const DWORD error = GetLastError();
  zel::ResetLoaderCalls();
  EXPECT_EQ(module, nullptr);
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(g_calls.size(), 1u);
}

}  // namespace
