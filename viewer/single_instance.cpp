#include "viewer/single_instance.h"

#include <sddl.h>

#include <vector>

namespace zel {

namespace {

constexpr wchar_t kBaseName[] = L"Zelvano.ZelvanoV2010.Running";

// The SID of the user the process runs as, as text; empty when it cannot be read.
std::wstring UserSid() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  std::wstring text;
  if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
    wchar_t* sid = nullptr;
    if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sid)) {
      text = sid;
      LocalFree(sid);
    }
  }
  CloseHandle(token);
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
  mutex_ = CreateMutexW(nullptr, FALSE, name.c_str());
  // Access denied means the name is held by an object of another user: not a copy of ours.
  another_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

}  // namespace zel
