// Attaches that fail: each raises its error and leaves the registry and the
// window procedure as they were.
#include <gtest/gtest.h>

#include <string>

#include "subclass_test_support.h"
#include "subclass/property_registry.h"

namespace subclass_test {
namespace {

namespace reg = zel::subclass_registry;

constexpr int32_t kCantSubclass = static_cast<int32_t>(0x80043319u);
constexpr int32_t kAlreadyHandled = static_cast<int32_t>(0x8004331Au);
constexpr int32_t kInvalidWindow = static_cast<int32_t>(0x8004331Bu);
constexpr int32_t kExternalWindow = static_cast<int32_t>(0x8004331Cu);

// Runs the attach and returns the error it raised (number 0 when none).
SubclassError AttachError(GSubclass& engine, ISubclass* client, HWND h, int32_t msg) {
  try {
    engine.Attach_Message(client, h, msg);
  } catch (const SubclassError& e) {
    return e;
  }
  return SubclassError(0, "", "");
}

// Makes the platform refuse to store one property name for the life of the object.
class RefusedStore {
 public:
  explicit RefusedStore(const reg::PropertyName& name) {
    refused_ = name.text;
    reg::Platform().setProp = &Refuse;
  }
  ~RefusedStore() { reg::ResetPlatformCalls(); }

 private:
  static BOOL WINAPI Refuse(HWND h, LPCSTR name, HANDLE value) {
    return refused_ == name ? FALSE : SetPropA(h, name, value);
  }
  static inline std::string refused_;
};

class SubclassAttachErrors : public EngineOnWindow {
 protected:
  TestClient a{"A", &log, Response_Alone, 1};
};

TEST_F(SubclassAttachErrors, DuplicateClientIsRefusedAndTheFirstKeepsWorking) {
  engine.Attach_Message(&a, h, kMsgA);
  const auto attached = Properties(h);
  SubclassError e = AttachError(engine, &a, h, kMsgA);
  EXPECT_EQ(e.Number(), kAlreadyHandled);
  EXPECT_EQ(e.Number(), -2147208422);
  EXPECT_EQ(e.Source(), "subclass_tests.WindowProc");
  EXPECT_EQ(e.Description(), "Message already handled by another class");
  // A handler that catches any std::exception reads the description.
  const std::exception& any = e;
  EXPECT_STREQ(any.what(), "Message already handled by another class");
  EXPECT_EQ(Properties(h), attached);
  EXPECT_EQ(SendMessageW(h, kMsgA, 0, 0), 1);
  EXPECT_EQ(log, (CallLog{"A?", "A", "A?"}));

  // The same client for another message of the window is a new attachment.
  engine.Attach_Message(&a, h, kMsgB);
  EXPECT_EQ(GetPropA(h, ("C" + Decimal(h)).c_str()), reinterpret_cast<HANDLE>(2));
  engine.Detach_Message(&a, h, kMsgA);
  engine.Detach_Message(&a, h, kMsgB);
  ExpectUntouched();
}

TEST_F(SubclassAttachErrors, HandleThatIsNoWindowIsRefused) {
  TestWindow gone;
  HWND stale = gone.hwnd();
  gone.Destroy();
  for (HWND bad : {stale, static_cast<HWND>(nullptr)}) {
    SubclassError e = AttachError(engine, &a, bad, kMsgA);
    EXPECT_EQ(e.Number(), kInvalidWindow);
    EXPECT_EQ(e.Description(), "Invalid window");
    EXPECT_EQ(e.Source(), "subclass_tests.WindowProc");
  }
  // A stale handle is never reused within a run's few windows; reads show nothing there.
  EXPECT_EQ(GetPropA(stale, ("C" + Decimal(stale)).c_str()), nullptr);
}

TEST_F(SubclassAttachErrors, DetachThatMatchesNothingDoesNothing) {
  TestClient other("B", &log);
  engine.Attach_Message(&a, h, kMsgA);
  const auto attached = Properties(h);
  engine.Detach_Message(&other, h, kMsgA);  // never attached
  engine.Detach_Message(&a, h, kMsgB);      // other message
  TestWindow gone;
  HWND stale = gone.hwnd();
  gone.Destroy();
  engine.Detach_Message(&a, stale, kMsgA);  // destroyed window
  EXPECT_EQ(Properties(h), attached);
  engine.Detach_Message(&a, h, kMsgA);
  ExpectUntouched();
}

// A window owned by a helper process started for the test.
class ForeignWindow {
 public:
  ForeignWindow() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring exe(path, n);
    exe = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"subclass_window_host.exe";
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    HANDLE childIn = nullptr, childOut = nullptr;
    if (!CreatePipe(&childIn, &toChild_, &sa, 0) || !CreatePipe(&fromChild_, &childOut, &sa, 0)) {
      return;
    }
    SetHandleInformation(toChild_, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(fromChild_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = childIn;
    si.hStdOutput = childOut;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::wstring cmd = L"\"" + exe + L"\"";
    if (CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                       &process_)) {
      char line[32] = {};
      DWORD read = 0, total = 0;
      while (total < sizeof(line) - 1 &&
             ReadFile(fromChild_, line + total, sizeof(line) - 1 - total, &read, nullptr) &&
             read > 0) {
        total += read;
        if (std::string(line, total).find('\n') != std::string::npos) break;
      }
      hwnd_ = reinterpret_cast<HWND>(static_cast<intptr_t>(std::atoll(line)));
    }
    CloseHandle(childIn);
    CloseHandle(childOut);
  }
  ~ForeignWindow() {
    CloseHandle(toChild_);  // the helper ends when its stdin closes
    if (process_.hProcess != nullptr) {
      WaitForSingleObject(process_.hProcess, 10000);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    CloseHandle(fromChild_);
  }
  HWND hwnd() const { return hwnd_; }
  DWORD processId() const { return process_.dwProcessId; }

 private:
  HANDLE toChild_ = nullptr;
  HANDLE fromChild_ = nullptr;
  PROCESS_INFORMATION process_{};
  HWND hwnd_ = nullptr;
};

TEST_F(SubclassAttachErrors, WindowOfAnotherProcessIsRefused) {
  ForeignWindow foreign;
  HWND f = foreign.hwnd();
  ASSERT_TRUE(IsWindow(f));
  DWORD owner = 0;
  GetWindowThreadProcessId(f, &owner);
  ASSERT_EQ(owner, foreign.processId());
  ASSERT_NE(owner, GetCurrentProcessId());
  EXPECT_FALSE(engine.Window_Local(f));
  EXPECT_TRUE(engine.Window_Local(h));

  const auto foreignBaseline = Properties(f);
  const LONG_PTR foreignProc = GetWindowLongPtrA(f, GWLP_WNDPROC);
  SubclassError e = AttachError(engine, &a, f, kMsgA);
  EXPECT_EQ(e.Number(), kExternalWindow);
  EXPECT_EQ(e.Description(), "Can't modify external window");
  EXPECT_EQ(e.Source(), "subclass_tests.WindowProc");
  EXPECT_EQ(Properties(f), foreignBaseline);
  EXPECT_EQ(GetWindowLongPtrA(f, GWLP_WNDPROC), foreignProc);
  engine.Detach_Message(&a, f, kMsgA);  // silently nothing
  EXPECT_EQ(Properties(f), foreignBaseline);
}

TEST_F(SubclassAttachErrors, RefusedStoresRollBackEveryStep) {
  const std::string H = Decimal(h);
  const int32_t m = kMsgA;
  const reg::PropertyName refusedNames[] = {reg::ClientCountName(h, m), reg::ClientName(h, m, 1),
                                            reg::OldProcName(h), reg::AttachCountName(h)};
  for (const auto& name : refusedNames) {
    SCOPED_TRACE(name.text);
    SubclassError e(0, "", "");
    {
      RefusedStore refuse(name);
      e = AttachError(engine, &a, h, m);
    }
    EXPECT_EQ(e.Number(), 5);
    EXPECT_EQ(e.Source(), "");
    ExpectUntouched();
  }
  log.clear();
  SendMessageW(h, kMsgA, 0, 0);
  EXPECT_EQ(log, (CallLog{"own"}));
}

TEST_F(SubclassAttachErrors, RefusedStoreOnALaterAttachKeepsTheEarlierOnes) {
  TestClient b("B", &log, Response_Alone, 2);
  engine.Attach_Message(&a, h, kMsgA);
  const auto attached = Properties(h);
  const WNDPROC installed = CurrentProc(h);
  for (const auto& name : {reg::ClientName(h, kMsgA, 2), reg::AttachCountName(h)}) {
    SCOPED_TRACE(name.text);
    SubclassError e(0, "", "");
    {
      RefusedStore refuse(name);
      e = AttachError(engine, &b, h, kMsgA);
    }
    EXPECT_EQ(e.Number(), 5);
    EXPECT_EQ(Properties(h), attached);
    EXPECT_EQ(CurrentProc(h), installed);
  }
  EXPECT_EQ(SendMessageW(h, kMsgA, 0, 0), 1);
  engine.Detach_Message(&a, h, kMsgA);
  ExpectUntouched();
}

TEST_F(SubclassAttachErrors, WindowProcedureThatCannotBeReplacedRaisesCantSubclass) {
  reg::Platform().setWindowProc = [](HWND, LONG_PTR) -> LONG_PTR { return 0; };
  SubclassError e = AttachError(engine, &a, h, kMsgA);
  reg::ResetPlatformCalls();
  EXPECT_EQ(e.Number(), kCantSubclass);
  EXPECT_EQ(e.Description(), "Can't subclass window");
  ExpectUntouched();
}

TEST(SubclassRegistryNames, SignedDecimalForHandlesAndMessages) {
  HWND h = reinterpret_cast<HWND>(static_cast<uintptr_t>(0xFFFFFB2Eu));  // -1234 in 32 bits
  EXPECT_STREQ(reg::OldProcName(h).text, "-1234");
  EXPECT_STREQ(reg::AttachCountName(h).text, "C-1234");
  EXPECT_STREQ(reg::ClientCountName(h, -133).text, "-1234#-133C");
  EXPECT_STREQ(reg::ClientName(h, 133, 1).text, "-1234#133#1");
  HWND small = reinterpret_cast<HWND>(static_cast<uintptr_t>(1234));
  EXPECT_STREQ(reg::ClientName(small, 133, 12).text, "1234#133#12");
  HWND minimum = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x80000000u));
  EXPECT_STREQ(reg::ClientName(minimum, INT32_MIN, INT32_MIN).text,
               "-2147483648#-2147483648#-2147483648");
  EXPECT_EQ(std::string(reg::ClientName(minimum, INT32_MIN, INT32_MIN).text).size(), 35u);
}

TEST_F(SubclassAttachErrors, NegativeMessageNumberIsWrittenWithMinus) {
  const int32_t negative = -5;
  engine.Attach_Message(&a, h, negative);
  const std::string H = Decimal(h);
  const auto added = AddedProperties(h, baseline);
  EXPECT_EQ(added.count(H + "#-5C"), 1u);
  EXPECT_EQ(added.count(H + "#-5#1"), 1u);
  EXPECT_EQ(SendMessageW(h, static_cast<UINT>(negative), 0, 0), 1);
  EXPECT_EQ(a.lastMsg, static_cast<UINT>(negative));
  engine.Detach_Message(&a, h, negative);
  ExpectUntouched();
}

}  // namespace
}  // namespace subclass_test
