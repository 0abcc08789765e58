// A message client of the subclassing engine.
#pragma once

#include <windows.h>

#include <cstdint>

// MsgResponse values; the engine tests single bits, not whole values.
constexpr int32_t Response_Alone = 0;   // the clients answer alone
constexpr int32_t Response_After = 1;   // old procedure after the clients (last client decides)
constexpr int32_t Response_Before = 2;  // old procedure before the clients (first client decides)

class ISubclass {
 public:
  // Choice for the message being dispatched (read p_CurrentMessage of the engine).
  virtual int32_t MsgResponse() = 0;
  virtual void MsgResponse(int32_t value) = 0;
  virtual LRESULT WindowProc(HWND hwnd, UINT iMsg, WPARAM wParam, LPARAM lParam) = 0;
  // A dispatch holds each client from reading it to its last call on it, so a
  // client released meanwhile (from a nested message loop) can put off its
  // destruction until no dispatch uses it. Clients that are never released
  // during a dispatch need not care.
  virtual void Dispatch_Begin() {}
  virtual void Dispatch_End() {}

 protected:
  ~ISubclass() = default;  // clients are never owned through this interface
};
