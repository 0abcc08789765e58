// The version resource of Zelreg.exe as the system reads it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring ZelregExe() {
  wchar_t path[MAX_PATH * 2];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  std::wstring s(path, n);
  s = s.substr(0, s.find_last_of(L'\\') + 1) + ZELREG_RELATIVE_PATH;
  wchar_t full[MAX_PATH * 2];
  n = GetFullPathNameW(s.c_str(), MAX_PATH * 2, full, nullptr);
  return std::wstring(full, n);
}

std::wstring StringValue(std::vector<char>& info, const wchar_t* block, const wchar_t* name) {
  std::wstring key = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
  wchar_t* value = nullptr;
  UINT len = 0;
  if (!VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &len)) return {};
  return value;
}

TEST(ZelregVersion, ChineseUnicodeTableWithVersion100) {
  const std::wstring exe = ZelregExe();
  DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
  ASSERT_GT(size, 0u) << GetLastError();
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &len));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &len));
  ASSERT_EQ(len, 4u);  // exactly one language / code page pair
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 1200);

  EXPECT_EQ(StringValue(info, L"080404B0", L"ProductName"), L"Zelreg");
  EXPECT_EQ(StringValue(info, L"080404B0", L"InternalName"), L"Zelreg");
  EXPECT_EQ(StringValue(info, L"080404B0", L"OriginalFilename"), L"Zelreg.exe");
  EXPECT_EQ(StringValue(info, L"080404B0", L"FileVersion"), L"1.00");
  EXPECT_EQ(StringValue(info, L"080404B0", L"ProductVersion"), L"1.00");
}

}  // namespace
