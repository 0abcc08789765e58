#include "win32/trace.h"

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
  std::wstring line = call + L" failed: error " + DecimalText(error);
  const std::wstring text = SystemText(error);
  if (!text.empty()) line += L": " + text;
  Write(line);
}

void TraceLastError(const std::wstring& call) { TraceError(call, GetLastError()); }

void TraceHresult(const std::wstring& call, HRESULT hr) {
  std::wstring line = call + L" failed: HRESULT " + HexText(static_cast<uint32_t>(hr));
  const std::wstring text = SystemText(static_cast<DWORD>(hr));
  if (!text.empty()) line += L": " + text;
  Write(line);
}

void TraceFailure(const std::wstring& what) { Write(what); }

std::wstring DecimalText(int64_t value) {
  wchar_t digits[24];
  wchar_t* at = digits + 24;
  // In unsigned arithmetic, so that the most negative value has a magnitude too.
  uint64_t rest = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    *--at = static_cast<wchar_t>(L'0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (value < 0) *--at = L'-';
  return std::wstring(at, digits + 24);
}

std::wstring HexText(uint32_t value) {
  std::wstring text = L"0x00000000";
  for (size_t i = text.size(); value != 0; value >>= 4)
    text[--i] = L"0123456789ABCDEF"[value & 0xF];
  return text;
}

}  // namespace zel
