// Real windows, recording clients and a view of the window's property list for
// the subclassing engine's tests.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "subclass/g_subclass.h"

namespace subclass_test {

// Messages the test window's own procedure answers with a recognisable value.
constexpr UINT kMsgA = WM_APP + 1;
constexpr UINT kMsgB = WM_APP + 2;
constexpr UINT kMsgC = WM_APP + 3;
inline LRESULT OwnResult(UINT msg, WPARAM wParam) {
  return static_cast<LRESULT>(0x5000 + msg + 16 * wParam);
}

// The order in which procedures ran, by name ("own" is the window's own procedure).
using CallLog = std::vector<std::string>;

// A hidden window whose own procedure logs every test message; top-level
// unless a parent is given (HWND_MESSAGE makes a cheap message-only window).
// Unicode unless made of an ANSI class.
enum class WindowKind { kUnicode, kAnsi };
class TestWindow {
 public:
  explicit TestWindow(CallLog* log = nullptr, HWND parent = nullptr,
                      WindowKind kind = WindowKind::kUnicode);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  void Destroy();
  // The arguments of the last test message the own procedure saw.
  UINT lastMsg = 0;
  WPARAM lastWParam = 0;
  LPARAM lastLParam = 0;
  int ownCalls = 0;
  int destroyCalls = 0;
  // The property list and window procedure when the own procedure saw WM_DESTROY.
  std::map<std::string, HANDLE> propertiesAtDestroy;
  WNDPROC procAtDestroy = nullptr;
  // Runs inside the own procedure for each test message, before it answers.
  std::function<void(UINT)> onOwn;
  CallLog* log;

 private:
  static LRESULT CALLBACK ProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT Handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, WNDPROC fallback);
  HWND hwnd_ = nullptr;
};

// A client that logs its calls and answers as told.
class TestClient : public ISubclass {
 public:
  TestClient(std::string name, CallLog* log, int32_t response = Response_Alone, LRESULT result = 0)
      : name(std::move(name)), log(log), response(response), result(result) {}
  virtual ~TestClient() = default;

  int32_t MsgResponse() override {
    if (engine != nullptr) seenCurrentMessage.push_back(engine->p_CurrentMessage());
    if (log != nullptr) log->push_back(name + "?");
    return response;
  }
  void MsgResponse(int32_t value) override { response = value; }
  LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
    ++calls;
    if (log != nullptr) log->push_back(name);
    lastMsg = msg;
    if (onWindowProc) onWindowProc(hwnd, msg, wParam, lParam);
    return result;
  }

  std::string name;
  CallLog* log;
  int32_t response;
  LRESULT result;
  int calls = 0;
  UINT lastMsg = 0;
  GSubclass* engine = nullptr;  // when set, MsgResponse records its p_CurrentMessage
  std::vector<int32_t> seenCurrentMessage;
  std::function<void(HWND, UINT, WPARAM, LPARAM)> onWindowProc;
};

// The window's properties by name (atom-named ones as "#atom").
std::map<std::string, HANDLE> Properties(HWND hwnd);
// The properties that are not in the baseline (taken before the engine touched the window).
std::map<std::string, HANDLE> AddedProperties(HWND hwnd,
                                              const std::map<std::string, HANDLE>& baseline);

// The window procedure read in the window's own kind: the entry point itself,
// not a handle standing for it.
WNDPROC CurrentProc(HWND hwnd);
std::string Decimal(HWND hwnd);

// An engine and a test window whose properties and procedure are recorded
// before the engine touches it.
class EngineOnWindow : public testing::Test {
 protected:
  // The window's properties and procedure are as they were before the test.
  void ExpectUntouched() {
    EXPECT_EQ(Properties(h), baseline);
    EXPECT_EQ(CurrentProc(h), own);
  }

  CallLog log;
  TestWindow window{&log};
  HWND h = window.hwnd();
  const std::map<std::string, HANDLE> baseline = Properties(h);
  const WNDPROC own = CurrentProc(h);
  GSubclass engine;
};

}  // namespace subclass_test
