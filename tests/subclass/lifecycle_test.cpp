// Installing and restoring the replacement procedure, and the registry entries
// the engine leaves on the window.
#include <gtest/gtest.h>

#include <memory>

#include "subclass_test_support.h"
#include "subclass/replacement_proc.h"

namespace subclass_test {
namespace {

DWORD CodeState(WNDPROC proc) {
  MEMORY_BASIC_INFORMATION info{};
  VirtualQuery(reinterpret_cast<void*>(proc), &info, sizeof(info));
  return info.State;
}

TEST(SubclassLifecycle, InstallsAtFirstAttachAndRestoresOnlyAtLastDetach) {
  CallLog log;
  TestWindow window(&log);
  HWND h = window.hwnd();
  ASSERT_NE(h, nullptr);
  const auto baseline = Properties(h);
  const WNDPROC own = CurrentProc(h);
  GSubclass engine;
  TestClient client("A", &log);

  engine.Attach_Message(&client, h, kMsgA);
  const WNDPROC replacement = CurrentProc(h);
  EXPECT_NE(replacement, own);
  const std::string H = Decimal(h);
  const std::string A = std::to_string(kMsgA);
  EXPECT_EQ(AddedProperties(h, baseline),
            (std::map<std::string, HANDLE>{
                {H, reinterpret_cast<HANDLE>(own)},
                {"C" + H, reinterpret_cast<HANDLE>(1)},
                {H + "#" + A + "C", reinterpret_cast<HANDLE>(1)},
                {H + "#" + A + "#1", static_cast<HANDLE>(static_cast<ISubclass*>(&client))}}));

  engine.Attach_Message(&client, h, kMsgB);
  EXPECT_EQ(CurrentProc(h), replacement);
  EXPECT_EQ(GetPropA(h, ("C" + H).c_str()), reinterpret_cast<HANDLE>(2));

  engine.Detach_Message(&client, h, kMsgA);
  EXPECT_EQ(CurrentProc(h), replacement);
  EXPECT_EQ(GetPropA(h, ("C" + H).c_str()), reinterpret_cast<HANDLE>(1));

  engine.Detach_Message(&client, h, kMsgB);
  EXPECT_EQ(CurrentProc(h), own);
  EXPECT_TRUE(AddedProperties(h, baseline).empty());
  EXPECT_EQ(Properties(h), baseline);
}

TEST(SubclassLifecycle, MessageWithoutClientsPassesThroughUnchanged) {
  CallLog log;
  TestWindow window(&log);
  HWND h = window.hwnd();
  GSubclass engine;
  TestClient client("A", &log);
  engine.Attach_Message(&client, h, kMsgA);

  const WPARAM wParam = static_cast<WPARAM>(-7);
  const LPARAM lParam = static_cast<LPARAM>(0x7123456789ABCDEFull);
  EXPECT_EQ(SendMessageW(h, kMsgB, wParam, lParam), OwnResult(kMsgB, wParam));
  EXPECT_EQ(window.lastMsg, kMsgB);
  EXPECT_EQ(window.lastWParam, wParam);
  EXPECT_EQ(window.lastLParam, lParam);
  EXPECT_EQ(log, (CallLog{"own"}));
  EXPECT_EQ(client.calls, 0);

  log.clear();
  client.result = 77;
  EXPECT_EQ(SendMessageW(h, kMsgA, 1, 2), 77);
  EXPECT_EQ(log, (CallLog{"A?", "A", "A?"}));
  engine.Detach_Message(&client, h, kMsgA);
}

TEST(SubclassLifecycle, DestroyWithoutDestroyClientGivesTheWindowBackFirst) {
  CallLog log;
  TestWindow window(&log);
  HWND h = window.hwnd();
  const auto baseline = Properties(h);
  const WNDPROC own = CurrentProc(h);
  GSubclass engine;
  TestClient a("A", &log), b("B", &log);
  engine.Attach_Message(&a, h, kMsgA);
  engine.Attach_Message(&b, h, kMsgA);
  const std::string H = Decimal(h);
  const std::string A = std::to_string(kMsgA);

  window.Destroy();
  ASSERT_EQ(window.destroyCalls, 1);
  // Own procedure back and H, "C"H gone before it saw WM_DESTROY; per-message entries stay.
  EXPECT_EQ(window.procAtDestroy, own);
  auto expected = baseline;
  expected[H + "#" + A + "C"] = reinterpret_cast<HANDLE>(2);
  expected[H + "#" + A + "#1"] = static_cast<ISubclass*>(&a);
  expected[H + "#" + A + "#2"] = static_cast<ISubclass*>(&b);
  EXPECT_EQ(window.propertiesAtDestroy, expected);
  // The clients' later detaches find no window and do nothing.
  engine.Detach_Message(&a, h, kMsgA);
  engine.Detach_Message(&b, h, kMsgA);
}

TEST(SubclassLifecycle, DestroyClientKeepsTheWindowAttachedUntilItDetaches) {
  CallLog log;
  TestWindow window(&log);
  HWND h = window.hwnd();
  const auto baseline = Properties(h);
  const WNDPROC own = CurrentProc(h);
  GSubclass engine;
  // Like a frame that tidies up on WM_DESTROY: old procedure first, then detach all.
  TestClient watcher("W", &log, Response_Before);
  watcher.onWindowProc = [&](HWND hwnd, UINT, WPARAM, LPARAM) {
    EXPECT_NE(CurrentProc(hwnd), own);
    engine.Detach_Message(&watcher, hwnd, WM_DESTROY);
    engine.Detach_Message(&watcher, hwnd, kMsgA);
  };
  engine.Attach_Message(&watcher, h, WM_DESTROY);
  engine.Attach_Message(&watcher, h, kMsgA);
  window.Destroy();
  EXPECT_EQ(watcher.calls, 1);
  EXPECT_NE(window.procAtDestroy, own);
  EXPECT_EQ(window.propertiesAtDestroy.size(), baseline.size() + 6);
}

TEST(SubclassLifecycle, GetOldProcCallsTheRecordedProcedureOnly) {
  CallLog log;
  TestWindow window(&log);
  HWND h = window.hwnd();
  GSubclass engine;
  EXPECT_EQ(engine.Get_OldProc(h, kMsgA, 3, 4), 0);
  EXPECT_EQ(window.ownCalls, 0);

  TestClient a("A", &log);
  a.onWindowProc = [&](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    a.result = engine.Get_OldProc(hwnd, msg, wParam + 1, lParam);
  };
  engine.Attach_Message(&a, h, kMsgA);
  EXPECT_EQ(SendMessageW(h, kMsgA, 3, 4), OwnResult(kMsgA, 4));
  EXPECT_EQ(window.lastWParam, 4u);
  EXPECT_EQ(window.lastLParam, 4);
  engine.Detach_Message(&a, h, kMsgA);
  EXPECT_EQ(engine.Get_OldProc(h, kMsgA, 3, 4), 0);
  EXPECT_EQ(window.ownCalls, 1);
}

TEST(SubclassLifecycle, CleanUpReleasesTheWindowAndLaterDetachesLeaveItAlone) {
  CallLog log;
  TestWindow window(&log);
  HWND h = window.hwnd();
  const auto baseline = Properties(h);
  const WNDPROC own = CurrentProc(h);
  GSubclass engine;
  TestClient a("A", &log), b("B", &log);
  engine.Attach_Message(&a, h, kMsgA);
  engine.Attach_Message(&b, h, kMsgB);
  const std::string H = Decimal(h);

  engine.Clean_Up(h);
  EXPECT_EQ(CurrentProc(h), own);
  auto added = AddedProperties(h, baseline);
  EXPECT_EQ(added.count(H), 0u);
  EXPECT_EQ(added.count("C" + H), 0u);
  EXPECT_EQ(added.size(), 4u);  // the per-message entries of both messages

  // The leftover entries go with their detaches; the count never goes below 0.
  engine.Detach_Message(&a, h, kMsgA);
  engine.Detach_Message(&b, h, kMsgB);
  EXPECT_EQ(Properties(h), baseline);
  EXPECT_EQ(CurrentProc(h), own);
  // And the window can be attached afresh.
  engine.Attach_Message(&a, h, kMsgA);
  EXPECT_EQ(GetPropA(h, ("C" + H).c_str()), reinterpret_cast<HANDLE>(1));
  EXPECT_EQ(SendMessageW(h, kMsgA, 0, 0), 0);
  EXPECT_EQ(a.calls, 1);
  engine.Detach_Message(&a, h, kMsgA);
  EXPECT_EQ(Properties(h), baseline);
  EXPECT_EQ(CurrentProc(h), own);
}

TEST(SubclassLifecycle, EngineReleasedDuringADispatchThroughItsProcedure) {
  // A handler of the window's own procedure drops the frame that owns the engine,
  // as a style change started by a click does.
  CallLog log;
  TestWindow window(&log);
  HWND h = window.hwnd();
  const WNDPROC own = CurrentProc(h);
  auto engine = std::make_unique<GSubclass>();
  TestClient a("A", &log);
  engine->Attach_Message(&a, h, kMsgA);
  window.onOwn = [&](UINT msg) {
    if (msg != kMsgB || engine == nullptr) return;
    engine->Detach_Message(&a, h, kMsgA);
    engine.reset();
  };
  EXPECT_EQ(SendMessageW(h, kMsgB, 1, 0), OwnResult(kMsgB, 1));
  EXPECT_EQ(engine, nullptr);
  EXPECT_EQ(CurrentProc(h), own);
  EXPECT_EQ(SendMessageW(h, kMsgA, 0, 0), OwnResult(kMsgA, 0));
}

TEST(SubclassLifecycle, EngineReleasedWhileAnotherEnginesClientsUseItsProcedure) {
  CallLog log;
  TestWindow window(&log);
  HWND h = window.hwnd();
  const auto baseline = Properties(h);
  const WNDPROC own = CurrentProc(h);
  GSubclass second;
  TestClient a("A", &log), b("B", &log, Response_Alone, 8);
  {
    GSubclass first;
    first.Attach_Message(&a, h, kMsgA);
    second.Attach_Message(&b, h, kMsgB);
    first.Detach_Message(&a, h, kMsgA);
  }  // the first engine's procedure is still the window's: it must stay callable
  const WNDPROC kept = CurrentProc(h);
  EXPECT_EQ(SendMessageW(h, kMsgB, 0, 0), 8);
  EXPECT_EQ(log, (CallLog{"B?", "B", "B?"}));
  second.Detach_Message(&b, h, kMsgB);
  EXPECT_EQ(CurrentProc(h), own);
  EXPECT_EQ(Properties(h), baseline);
  // No window uses it any more: now its code is freed.
  EXPECT_EQ(CodeState(kept), MEM_FREE);
}

// The window's last message tells the procedure that the window is gone; the
// procedure must recognise itself there in either kind of window.
TEST(SubclassLifecycle, ProcedureOfADestroyedWindowIsFreedWithItsEngine) {
  using zel::subclass_thunk::LiveReplacementProcs;
  for (WindowKind kind : {WindowKind::kUnicode, WindowKind::kAnsi}) {
    SCOPED_TRACE(kind == WindowKind::kUnicode ? "Unicode window" : "ANSI window");
    const size_t live = LiveReplacementProcs();
    CallLog log;
    TestWindow window(&log, nullptr, kind);
    HWND h = window.hwnd();
    TestClient watcher("W", &log);  // keeps the window attached through its end
    WNDPROC installed = nullptr;
    {
      GSubclass engine;
      EXPECT_EQ(LiveReplacementProcs(), live + 1);
      engine.Attach_Message(&watcher, h, WM_DESTROY);
      installed = CurrentProc(h);
      EXPECT_EQ(CodeState(installed), MEM_COMMIT);
      window.Destroy();
      EXPECT_EQ(watcher.calls, 1);
      EXPECT_EQ(CodeState(installed), MEM_COMMIT);
    }
    EXPECT_EQ(CodeState(installed), MEM_FREE);
    EXPECT_EQ(LiveReplacementProcs(), live);
  }
}

// Installing, calling on and restoring keep the window's kind: a Unicode window
// is not turned into an ANSI one, nor an ANSI one into a Unicode one.
TEST(SubclassLifecycle, EachWindowKeepsItsKindWhileAttached) {
  for (WindowKind kind : {WindowKind::kUnicode, WindowKind::kAnsi}) {
    const bool unicode = kind == WindowKind::kUnicode;
    SCOPED_TRACE(unicode ? "Unicode window" : "ANSI window");
    CallLog log;
    TestWindow window(&log, nullptr, kind);
    HWND h = window.hwnd();
    ASSERT_EQ(IsWindowUnicode(h) != FALSE, unicode);
    const WNDPROC own = CurrentProc(h);
    GSubclass engine;
    TestClient before("B", &log, Response_Before, TRUE), after("A", &log, Response_After);
    engine.Attach_Message(&before, h, WM_SETTEXT);
    engine.Attach_Message(&after, h, WM_GETTEXT);
    EXPECT_EQ(IsWindowUnicode(h) != FALSE, unicode);
    EXPECT_NE(CurrentProc(h), own);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(h, Decimal(h).c_str())), own);

    // Text passes both ways through the engine to the own procedure and back.
    EXPECT_TRUE(SetWindowTextW(h, L"kind kept"));
    wchar_t wide[32] = {};
    EXPECT_EQ(GetWindowTextW(h, wide, 32), 9);
    EXPECT_STREQ(wide, L"kind kept");
    char narrow[32] = {};
    EXPECT_EQ(GetWindowTextA(h, narrow, 32), 9);
    EXPECT_STREQ(narrow, "kind kept");
    EXPECT_EQ(before.calls, 1);
    EXPECT_EQ(after.calls, 2);

    engine.Detach_Message(&before, h, WM_SETTEXT);
    engine.Detach_Message(&after, h, WM_GETTEXT);
    EXPECT_EQ(CurrentProc(h), own);
    EXPECT_EQ(IsWindowUnicode(h) != FALSE, unicode);
  }
}

}  // namespace
}  // namespace subclass_test
