// Routes chosen messages of a window to ISubclass clients, before, after or
// instead of the window's own procedure. The registry lives in the window's
// property list, so it is shared by every engine instance in the process.
#pragma once

#include <windows.h>

#include <cstdint>
#include <exception>
#include <string>

#include "subclass/i_subclass.h"
#include "subclass/replacement_proc.h"

// An error raised by Attach_Message: number, source and description. A
// std::exception of its own rather than a std::runtime_error, whose string type
// would bring a second string implementation of the C++ library into each program.
class SubclassError : public std::exception {
 public:
  SubclassError(int32_t number, std::string source, std::string description);
  const char* what() const noexcept override { return what_.c_str(); }
  int32_t Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  std::string what_;
  int32_t number_;
  std::string source_;
  std::string description_;
};

class GSubclass {
 public:
  GSubclass();
  ~GSubclass();
  GSubclass(const GSubclass&) = delete;
  GSubclass& operator=(const GSubclass&) = delete;

  int32_t p_CurrentMessage() const;
  void Attach_Message(ISubclass* iwp, HWND lHwnd, int32_t iMsg);  // throws SubclassError
  void Detach_Message(ISubclass* iwp, HWND lHwnd, int32_t iMsg);  // never throws
  bool Window_Local(HWND lHwnd) const;
  LRESULT Get_OldProc(HWND lHwnd, UINT iMsg, WPARAM wParam, LPARAM lParam);
  bool In_IDE() const { return false; }
  void Clean_Up(HWND lHwnd);

 private:
  // Registry entries (see PropertyRegistry.h); a missing entry reads as 0 and
  // each store records in StoreOk whether the platform accepted it.
  static WNDPROC Read_OldProc(HWND lHwnd);
  static int32_t Read_AttachCount(HWND lHwnd);
  static int32_t Read_ClientCount(HWND lHwnd, int32_t iMsg);
  static ISubclass* Read_Client(HWND lHwnd, int32_t iMsg, int32_t position);
  void Write_OldProc(HWND lHwnd, WNDPROC value);
  void Write_AttachCount(HWND lHwnd, int32_t value);
  void Write_ClientCount(HWND lHwnd, int32_t iMsg, int32_t value);
  void Write_Client(HWND lHwnd, int32_t iMsg, int32_t position, ISubclass* value);

  // Attach rollback: drops the last client of iMsg, which this attach appended.
  void Remove_LastClient(HWND lHwnd, int32_t iMsg);
  [[noreturn]] static void Raise_Error(int32_t code);

  bool StoreOk = false;
  zel::subclass_thunk::ReplacementProc ReplacementProc;
};
