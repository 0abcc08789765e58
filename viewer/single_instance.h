// Tells whether another copy of the viewer runs for this user, in any session.
#pragma once

#include <windows.h>

#include <string>

namespace zel {

class SingleInstance {
 public:
  SingleInstance();
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when a copy that started earlier still runs.
  bool AnotherCopyRuns() const { return another_; }

  // The name of the object a running copy holds: global, carrying the user's SID.
  static std::wstring ObjectName();

 private:
  HANDLE mutex_ = nullptr;
  bool another_ = false;
};

}  // namespace zel
