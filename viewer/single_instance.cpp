#include "viewer/single_instance.h"

namespace zel {

namespace {
// Local\ keeps it to the user's own session.
constexpr wchar_t kMutexName[] = L"Local\\Zelvano.ZelvanoV2010.Running";
}  // namespace

SingleInstance::SingleInstance() {
  mutex_ = CreateMutexW(nullptr, FALSE, kMutexName);
  another_ =
      mutex_ ? GetLastError() == ERROR_ALREADY_EXISTS : GetLastError() == ERROR_ACCESS_DENIED;
}

SingleInstance::~SingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

}  // namespace zel
