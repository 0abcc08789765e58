// What this process writes with OutputDebugString while a capture lives. The
// strings arrive as first-chance exceptions when no debugger is attached
// (DBG_PRINTEXCEPTION_WIDE_C from OutputDebugStringW on Windows 10 and later,
// DBG_PRINTEXCEPTION_C otherwise), and a vectored handler takes them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeltest {

class DebugOutputCapture {
 public:
  DebugOutputCapture();
  ~DebugOutputCapture();
  DebugOutputCapture(const DebugOutputCapture&) = delete;
  DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;

  const std::vector<std::wstring>& Lines() const { return lines_; }
  // The first line that contains every one of `parts`, or empty.
  std::wstring Find(std::initializer_list<std::wstring_view> parts) const;

 private:
  friend struct DebugOutputHandler;
  void* handler_ = nullptr;
  std::vector<std::wstring> lines_;
};

}  // namespace zeltest
