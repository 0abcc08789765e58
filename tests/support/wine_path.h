// Paths of build outputs as a Windows program under Wine sees them.
#pragma once

#include <string>

namespace zeltest {

// "/work/x/y.exe" -> "Z:\work\x\y.exe" (Wine maps the Unix root to drive Z:).
inline std::wstring WinePath(const char* unixPath) {
  std::wstring path = L"Z:";
  for (const char* p = unixPath; *p; ++p) path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
  return path;
}

}  // namespace zeltest
