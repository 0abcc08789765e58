// How a message with clients is dispatched: order of clients, the old
// procedure before or after them, changes made during a dispatch, and the
// current-message cell.
#include <gtest/gtest.h>

#include "subclass_test_support.h"

namespace subclass_test {
namespace {

class SubclassDispatch : public EngineOnWindow {
 protected:
  // Every test detaches all it attached: the window must be as it was.
  void TearDown() override { ExpectUntouched(); }
};

TEST_F(SubclassDispatch, DetachingTheMiddleOfThreeClientsKeepsOrder) {
  TestClient a("A", &log), b("B", &log), c("C", &log, Response_Alone, 3);
  engine.Attach_Message(&a, h, kMsgA);
  engine.Attach_Message(&b, h, kMsgA);
  engine.Attach_Message(&c, h, kMsgA);
  EXPECT_EQ(SendMessageW(h, kMsgA, 0, 0), 3);
  EXPECT_EQ(log, (CallLog{"A?", "A", "B", "C", "C?"}));

  engine.Detach_Message(&b, h, kMsgA);
  const std::string prefix = Decimal(h) + "#" + std::to_string(kMsgA);
  EXPECT_EQ(GetPropA(h, (prefix + "#1").c_str()), static_cast<ISubclass*>(&a));
  EXPECT_EQ(GetPropA(h, (prefix + "#2").c_str()), static_cast<ISubclass*>(&c));
  EXPECT_EQ(GetPropA(h, (prefix + "#3").c_str()), nullptr);
  EXPECT_EQ(GetPropA(h, (prefix + "C").c_str()), reinterpret_cast<HANDLE>(2));
  log.clear();
  SendMessageW(h, kMsgA, 0, 0);
  EXPECT_EQ(log, (CallLog{"A?", "A", "C", "C?"}));

  engine.Detach_Message(&a, h, kMsgA);
  engine.Detach_Message(&c, h, kMsgA);
}

TEST_F(SubclassDispatch, ResponsesDecideWhenTheOldProcedureRuns) {
  // First answers Before, second Alone: old once, before the first; second's result.
  TestClient first("A", &log, Response_Before, 11), second("B", &log, Response_Alone, 22);
  engine.Attach_Message(&first, h, kMsgA);
  engine.Attach_Message(&second, h, kMsgA);
  EXPECT_EQ(SendMessageW(h, kMsgA, 0, 0), 22);
  EXPECT_EQ(log, (CallLog{"A?", "own", "A", "B"}));  // old already ran: no after-question

  // Single client answering After: its WindowProc, then old, whose result wins.
  TestClient after("C", &log, Response_After, 33);
  engine.Attach_Message(&after, h, kMsgB);
  log.clear();
  EXPECT_EQ(SendMessageW(h, kMsgB, 5, 0), OwnResult(kMsgB, 5));
  EXPECT_EQ(log, (CallLog{"C?", "C", "C?", "own"}));

  // Single client answering both bits: old once, before; the client's result.
  TestClient both("D", &log, Response_Before | Response_After, 44);
  engine.Attach_Message(&both, h, kMsgC);
  log.clear();
  EXPECT_EQ(SendMessageW(h, kMsgC, 0, 0), 44);
  EXPECT_EQ(log, (CallLog{"D?", "own", "D"}));

  // Only the first client's Before bit and the last client's After bit count.
  first.response = Response_After;
  second.response = Response_Before;
  log.clear();
  EXPECT_EQ(SendMessageW(h, kMsgA, 0, 0), 22);
  EXPECT_EQ(log, (CallLog{"A?", "A", "B", "B?"}));

  for (auto [client, msg] : {std::pair<ISubclass*, UINT>{&first, kMsgA},
                             {&second, kMsgA},
                             {&after, kMsgB},
                             {&both, kMsgC}}) {
    engine.Detach_Message(client, h, msg);
  }
}

TEST_F(SubclassDispatch, ClientDetachingItselfHidesTheNextClientForThisMessage) {
  TestClient a("A", &log), b("B", &log, Response_After, 2);
  a.onWindowProc = [&](HWND, UINT, WPARAM, LPARAM) { engine.Detach_Message(&a, h, kMsgA); };
  engine.Attach_Message(&a, h, kMsgA);
  engine.Attach_Message(&b, h, kMsgA);
  // B moved to position 1 and position 2 reads empty: B is skipped, no after-call.
  EXPECT_EQ(SendMessageW(h, kMsgA, 0, 0), 0);
  EXPECT_EQ(log, (CallLog{"A?", "A"}));
  log.clear();
  EXPECT_EQ(SendMessageW(h, kMsgA, 0, 0), OwnResult(kMsgA, 0));
  EXPECT_EQ(log, (CallLog{"B?", "B", "B?", "own"}));
  engine.Detach_Message(&b, h, kMsgA);
}

TEST_F(SubclassDispatch, LastDetachInsideWindowProcRestoresAtOnceAndAfterCallStillRuns) {
  TestClient a("A", &log, Response_After, 1);
  WNDPROC procInside = nullptr;
  a.onWindowProc = [&](HWND, UINT, WPARAM, LPARAM) {
    engine.Detach_Message(&a, h, kMsgA);
    procInside = CurrentProc(h);
  };
  engine.Attach_Message(&a, h, kMsgA);
  EXPECT_EQ(SendMessageW(h, kMsgA, 9, 0), OwnResult(kMsgA, 9));
  EXPECT_EQ(procInside, own);
  // Position 1 still read the client before it left; it is asked for the after-call.
  EXPECT_EQ(log, (CallLog{"A?", "A", "A?", "own"}));
}

TEST_F(SubclassDispatch, ClientAttachedDuringADispatchIsCalledFromTheNextMessage) {
  TestClient a("A", &log), late("L", &log);
  a.onWindowProc = [&](HWND, UINT, WPARAM, LPARAM) {
    if (late.calls == 0 && a.calls == 1) engine.Attach_Message(&late, h, kMsgA);
  };
  engine.Attach_Message(&a, h, kMsgA);
  SendMessageW(h, kMsgA, 0, 0);
  EXPECT_EQ(log, (CallLog{"A?", "A", "A?"}));
  log.clear();
  SendMessageW(h, kMsgA, 0, 0);
  EXPECT_EQ(log, (CallLog{"A?", "A", "L", "L?"}));
  engine.Detach_Message(&a, h, kMsgA);
  engine.Detach_Message(&late, h, kMsgA);
}

// An After client asked about the outer message after a nested dispatch is asked
// about the outer message, not the nested one.
TEST_F(SubclassDispatch, CurrentMessageIsTheDispatchedOneAgainAfterNesting) {
  TestClient outer("O", &log, Response_After), inner("I", &log);
  outer.engine = &engine;
  inner.engine = &engine;
  outer.onWindowProc = [&](HWND hwnd, UINT, WPARAM, LPARAM) { SendMessageW(hwnd, kMsgB, 0, 0); };
  engine.Attach_Message(&outer, h, kMsgA);
  engine.Attach_Message(&inner, h, kMsgB);
  SendMessageW(h, kMsgA, 0, 0);
  EXPECT_EQ(log, (CallLog{"O?", "O", "I?", "I", "I?", "O?", "own"}));
  EXPECT_EQ(outer.seenCurrentMessage, (std::vector<int32_t>{int32_t{kMsgA}, int32_t{kMsgA}}));
  EXPECT_EQ(inner.seenCurrentMessage, (std::vector<int32_t>{int32_t{kMsgB}, int32_t{kMsgB}}));
  EXPECT_EQ(engine.p_CurrentMessage(), int32_t{kMsgA});
  engine.Detach_Message(&outer, h, kMsgA);
  engine.Detach_Message(&inner, h, kMsgB);
}

TEST_F(SubclassDispatch, SecondEngineJoinsTheRegistryOfTheFirst) {
  GSubclass second;
  TestClient a("A", &log), b("B", &log, Response_Alone, 5);
  a.engine = &engine;
  b.engine = &second;
  engine.Attach_Message(&a, h, kMsgA);
  const WNDPROC installed = CurrentProc(h);
  second.Attach_Message(&b, h, kMsgA);
  second.Attach_Message(&b, h, kMsgB);
  EXPECT_EQ(CurrentProc(h), installed);
  EXPECT_EQ(GetPropA(h, ("C" + Decimal(h)).c_str()), reinterpret_cast<HANDLE>(3));

  const int32_t secondBefore = second.p_CurrentMessage();
  log.clear();
  EXPECT_EQ(SendMessageW(h, kMsgB, 0, 0), 5);
  EXPECT_EQ(log, (CallLog{"B?", "B", "B?"}));
  // The procedure installed by the first engine writes the first engine's cell only.
  EXPECT_EQ(engine.p_CurrentMessage(), int32_t{kMsgB});
  EXPECT_EQ(b.seenCurrentMessage, (std::vector<int32_t>{secondBefore, secondBefore}));
  EXPECT_EQ(second.p_CurrentMessage(), secondBefore);

  log.clear();
  SendMessageW(h, kMsgA, 0, 0);
  EXPECT_EQ(log, (CallLog{"A?", "A", "B", "B?"}));
  engine.Detach_Message(&a, h, kMsgA);
  second.Detach_Message(&b, h, kMsgA);
  second.Detach_Message(&b, h, kMsgB);
}

}  // namespace
}  // namespace subclass_test
