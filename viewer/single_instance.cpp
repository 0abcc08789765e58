#include "viewer/single_instance.h"

#include <sddl.h>

#include <vector>

#include "win32/trace.h"
#include "win32/unique_handle.h"

namespace zel {

namespace {

constexpr wchar_t kBaseName[] = L"Zelvano.ZelvanoV2010.Running";

// The SID of the user the process runs as, as text; empty when it cannot be read.
std::wstring UserSid() {
  HANDLE opened = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &opened)) {
    TraceLastError(L"OpenProcessToken (the single-instance name falls back to the session)");
    return {};
  }
  const UniqueHandle token(opened);
  DWORD size = 0;
  GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  std::wstring text;
  if (!size || !GetTokenInformation(token.get(), TokenUser, buffer.data(), size, &size)) {
    TraceLastError(L"GetTokenInformation(TokenUser)");
    return text;
  }
  wchar_t* sid = nullptr;
  if (!ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sid)) {
    TraceLastError(L"ConvertSidToStringSidW");
    return text;
  }
  const UniqueLocal owned(sid);
  text = sid;
  return text;
}

}  // namespace

// Global: the same user in another session (console and remote) is seen too.
// Per user: another user's copy, in this session or another, is not ours.
std::wstring SingleInstance::ObjectName() {
  const std::wstring sid = UserSid();
  if (sid.empty()) return std::wstring(L"Local\\") + kBaseName;  // at least this session
  return std::wstring(L"Global\\") + kBaseName + L"." + sid;
}

SingleInstance::SingleInstance() {
  const std::wstring name = ObjectName();
  mutex_.reset(CreateMutexW(nullptr, FALSE, name.c_str()));
  // Access denied means the name is held by an object of another user: not a copy of ours.
  another_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
  if (!mutex_) TraceLastError(L"CreateMutexW(" + name + L")");
}

}  // namespace zel
