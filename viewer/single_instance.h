// Tells whether another copy of the viewer runs for this user, in any session.
#pragma once

#include <windows.h>

#include <string>

#include "win32/unique_handle.h"

namespace zel {

class SingleInstance {
 public:
  SingleInstance();

  // True when a copy that started earlier still runs.
  bool AnotherCopyRuns() const { return another_; }

  // The name of the object a running copy holds: global, carrying the user's SID.
  static std::wstring ObjectName();

 private:
  UniqueHandle mutex_;
  bool another_ = false;
};

}  // namespace zel
