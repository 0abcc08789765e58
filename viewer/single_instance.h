// Tells whether another copy of the viewer runs for this user session.
#pragma once

#include <windows.h>

namespace zel {

class SingleInstance {
 public:
  SingleInstance();
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when a copy that started earlier still runs.
  bool AnotherCopyRuns() const { return another_; }

 private:
  HANDLE mutex_ = nullptr;
  bool another_ = false;
};

}  // namespace zel
