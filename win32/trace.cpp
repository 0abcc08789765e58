#include "win32/trace.h"

#include <cwchar>

#include "win32/unique_handle.h"

namespace zel {
namespace {

constexpr wchar_t kPrefix[] = L"Zelvano: ";

// The system's text for a code, without its line break; empty when it has none.
std::wstring SystemText(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  const UniqueLocal owned(text);
  std::wstring result(text ? text : L"", length);
  while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r')) result.pop_back();
  return result;
}

void Write(const std::wstring& line) {
  const DWORD saved = GetLastError();
  OutputDebugStringW((kPrefix + line + L"\n").c_str());
  SetLastError(saved);
}

}  // namespace

void TraceError(const std::wstring& call, DWORD error) {
  std::wstring line = call + L" failed: error " + std::to_wstring(error);
  const std::wstring text = SystemText(error);
  if (!text.empty()) line += L": " + text;
  Write(line);
}

void TraceLastError(const std::wstring& call) { TraceError(call, GetLastError()); }

void TraceHresult(const std::wstring& call, HRESULT hr) {
  wchar_t code[16];
  std::swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(hr));
  std::wstring line = call + L" failed: HRESULT " + code;
  const std::wstring text = SystemText(static_cast<DWORD>(hr));
  if (!text.empty()) line += L": " + text;
  Write(line);
}

void TraceFailure(const std::wstring& what) { Write(what); }

}  // namespace zel
