// Installing and restoring the replacement procedure, and the registry entries
// the engine leaves on the window.
#include <gtest/gtest.h>

#include "SubclassTestSupport.h"

namespace subclass_test {
namespace {

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

}  // namespace
}  // namespace subclass_test
