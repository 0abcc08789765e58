// Random sequences of attaches, detaches (also from inside WindowProc),
// dispatches and window destruction, checked after every step against a small
// model of the registry: the property list, the counts, the order of clients,
// the installed procedure, the call order and results, the current-message cells.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <sstream>

#include "subclass_test_support.h"

namespace subclass_test {
namespace {

constexpr int kEngines = 2;
constexpr int kClients = 4;
constexpr int kWindows = 3;
constexpr int kStepsPerSequence = 40;
constexpr int32_t kMessages[] = {kMsgA, kMsgB, kMsgC, WM_DESTROY};
constexpr int32_t kInvalidWindow = static_cast<int32_t>(0x8004331Bu);
constexpr int32_t kAlreadyHandled = static_cast<int32_t>(0x8004331Au);

int EnvInt(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atoi(value) : fallback;
}

// What a client does inside its WindowProc, once per dispatch.
struct Action {
  enum Kind { kNone, kAttach, kDetach } kind = kNone;
  int engine = 0;
  int client = 0;
  int32_t msg = 0;
};

struct ModelWindow {
  std::unique_ptr<TestWindow> window;
  std::map<std::string, HANDLE> baseline;
  WNDPROC own = nullptr;
  std::map<int32_t, std::vector<int>> clients;  // by message, in order
  int attachCount = 0;
  int installer = -1;  // engine whose procedure is installed
  bool alive = true;
};

class RandomRun {
 public:
  RandomRun(GSubclass* engines, TestClient* clients, std::optional<LONG_PTR>* entries)
      : engines_(engines), clients_(clients), entries_(entries) {
    for (int c = 0; c < kClients; ++c) {
      clients_[c].log = &log_;
      clients_[c].onWindowProc = [this, c](HWND, UINT, WPARAM, LPARAM) { RealAction(c); };
    }
  }
  ~RandomRun() {
    for (int c = 0; c < kClients; ++c) clients_[c].onWindowProc = nullptr;
    windows_.clear();  // destroyed with whatever is still attached
    for (int c = 0; c < kClients; ++c) clients_[c].log = nullptr;
  }

  // Returns a description of the first mismatch, or an empty string.
  std::string Run(uint32_t seed) {
    rng_.seed(seed);
    for (int w = 0; w < kWindows; ++w) NewWindow(w);
    for (int k = 0; k < kEngines; ++k) cells_[k] = engines_[k].p_CurrentMessage();
    for (int step = 0; step < kStepsPerSequence; ++step) {
      step_.str("");
      step_ << "step " << step << ": ";
      std::string failure = Step();
      if (failure.empty()) failure = CheckRegistry();
      if (!failure.empty()) return step_.str() + ": " + failure;
    }
    return "";
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Chance(int percent) { return Pick(100) < percent; }
  int32_t AnyMessage() { return kMessages[Pick(4)]; }
  HWND Hwnd(int w) const { return windows_[w].window->hwnd(); }

  void NewWindow(int w) {
    if (windows_.size() <= static_cast<size_t>(w)) windows_.resize(w + 1);
    ModelWindow& mw = windows_[w];
    mw = ModelWindow{};
    mw.window = std::make_unique<TestWindow>(&log_, HWND_MESSAGE);
    mw.baseline = Properties(Hwnd(w));
    mw.own = CurrentProc(Hwnd(w));
  }

  // --- the model ---
  int32_t ModelAttach(int k, int c, ModelWindow& mw, int32_t msg) {
    if (!mw.alive) return kInvalidWindow;
    auto& list = mw.clients[msg];
    for (int x : list) {
      if (x == c) return kAlreadyHandled;
    }
    list.push_back(c);
    if (mw.attachCount++ == 0) mw.installer = k;
    return 0;
  }

  void ModelDetach(int c, ModelWindow& mw, int32_t msg) {
    if (!mw.alive) return;
    auto& list = mw.clients[msg];
    for (size_t i = 0; i < list.size(); ++i) {
      if (list[i] != c) continue;
      list.erase(list.begin() + static_cast<long>(i));
      if (--mw.attachCount == 0) mw.installer = -1;
      return;
    }
  }

  // Expected log and result of one dispatch; applies the clients' actions to the model.
  LRESULT ModelDispatch(ModelWindow& mw, UINT msg, WPARAM wParam, CallLog& expected) {
    const bool logged = msg >= WM_APP;
    const LRESULT own = OwnResult(msg, wParam);
    auto callOld = [&] {
      if (logged) expected.push_back("own");
      return own;
    };
    if (mw.installer < 0) return logged ? callOld() : 0;
    const int cell = mw.installer;
    const int32_t m = static_cast<int32_t>(msg);
    const int n = static_cast<int>(mw.clients[m].size());
    if (n == 0) {
      if (msg == WM_DESTROY) {
        mw.attachCount = 0;
        mw.installer = -1;
      }
      return callOld();
    }
    LRESULT result = 0;
    bool oldCalled = false;
    int last = -1;
    for (int i = 1; i <= n; ++i) {
      const auto& list = mw.clients[m];
      int c = i <= static_cast<int>(list.size()) ? list[i - 1] : -1;
      last = c;
      if (c < 0) continue;
      cells_[cell] = m;
      if (i == 1) {
        expected.push_back(clients_[c].name + "?");
        if ((responses_[c] & Response_Before) != 0) {
          result = callOld();
          oldCalled = true;
        }
      }
      expected.push_back(clients_[c].name);
      result = clients_[c].result;
      ModelAction(c, mw);
    }
    if (!oldCalled && last >= 0) {
      expected.push_back(clients_[last].name + "?");
      if ((responses_[last] & Response_After) != 0) result = callOld();
    }
    return result;
  }

  void ModelAction(int c, ModelWindow& mw) {
    const Action& a = actions_[c];
    if (a.kind == Action::kAttach) {
      expectedActionErrors_.push_back(ModelAttach(a.engine, a.client, mw, a.msg));
    } else if (a.kind == Action::kDetach) {
      ModelDetach(a.client, mw, a.msg);
    }
  }

  // --- the real engine ---
  int32_t RealAttach(int k, int c, HWND h, int32_t msg) {
    try {
      engines_[k].Attach_Message(&clients_[c], h, msg);
    } catch (const SubclassError& e) {
      return e.Number();
    }
    return 0;
  }

  void RealAction(int c) {
    const Action& a = actions_[c];
    if (a.kind == Action::kAttach) {
      actionErrors_.push_back(RealAttach(a.engine, a.client, dispatchWindow_, a.msg));
    } else if (a.kind == Action::kDetach) {
      engines_[a.engine].Detach_Message(&clients_[a.client], dispatchWindow_, a.msg);
    }
  }

  void PlanClients() {
    for (int c = 0; c < kClients; ++c) {
      responses_[c] = Pick(4);
      clients_[c].response = responses_[c];
      actions_[c] = Action{};
      if (Chance(25)) {
        actions_[c].kind = Chance(60) ? Action::kDetach : Action::kAttach;
        actions_[c].engine = Pick(kEngines);
        actions_[c].client = Chance(50) ? c : Pick(kClients);
        actions_[c].msg = AnyMessage();
      }
    }
  }

  std::string Step() {
    const int roll = Pick(100);
    const int w = Pick(kWindows);
    ModelWindow& mw = windows_[w];
    const int k = Pick(kEngines), c = Pick(kClients);
    const int32_t msg = AnyMessage();
    if (roll < 35) {
      HWND h = Hwnd(w);
      ModelWindow stale;
      ModelWindow* target = &mw;
      if (Chance(5)) {  // a handle whose window is gone
        TestWindow gone(nullptr, HWND_MESSAGE);
        h = gone.hwnd();
        gone.Destroy();
        stale.alive = false;
        target = &stale;
      }
      step_ << "engine " << k << " attaches " << clients_[c].name << " to window " << w << " msg "
            << msg;
      const int32_t expected = ModelAttach(k, c, *target, msg);
      const int32_t got = RealAttach(k, c, h, msg);
      if (got != expected) return Mismatch("attach error", expected, got);
    } else if (roll < 60) {
      step_ << "engine " << k << " detaches " << clients_[c].name << " from window " << w << " msg "
            << msg;
      ModelDetach(c, mw, msg);
      engines_[k].Detach_Message(&clients_[c], Hwnd(w), msg);
    } else if (roll < 95) {
      const UINT m = static_cast<UINT>(kMessages[Pick(3)]);
      const WPARAM wParam = static_cast<WPARAM>(Pick(1000));
      step_ << "dispatch msg " << m << " to window " << w;
      return Dispatch(w, m, wParam);
    } else {
      step_ << "destroy window " << w;
      std::string failure = Dispatch(w, WM_DESTROY, 0);
      mw.alive = false;
      NewWindow(w);
      return failure;
    }
    return "";
  }

  std::string Dispatch(int w, UINT msg, WPARAM wParam) {
    PlanClients();
    CallLog expected;
    expectedActionErrors_.clear();
    actionErrors_.clear();
    log_.clear();
    dispatchWindow_ = Hwnd(w);
    const LRESULT expectedResult = ModelDispatch(windows_[w], msg, wParam, expected);
    LRESULT result = 0;
    if (msg == WM_DESTROY) {
      windows_[w].window->Destroy();
      if (IsWindow(dispatchWindow_)) return "window survived DestroyWindow";
    } else {
      result = SendMessageW(dispatchWindow_, msg, wParam, 0);
      if (result != expectedResult) return Mismatch("result", expectedResult, result);
    }
    if (log_ != expected) return "call order: expected " + Join(expected) + ", got " + Join(log_);
    if (actionErrors_ != expectedActionErrors_) return "errors of attaches inside WindowProc";
    return "";
  }

  std::string CheckRegistry() {
    for (int w = 0; w < kWindows; ++w) {
      const ModelWindow& mw = windows_[w];
      HWND h = Hwnd(w);
      const std::string H = Decimal(h);
      auto expected = mw.baseline;
      if (mw.attachCount > 0) {
        expected[H] = reinterpret_cast<HANDLE>(mw.own);
        expected["C" + H] = reinterpret_cast<HANDLE>(static_cast<intptr_t>(mw.attachCount));
      }
      for (const auto& [msg, list] : mw.clients) {
        if (list.empty()) continue;
        const std::string prefix = H + "#" + std::to_string(msg);
        expected[prefix + "C"] = reinterpret_cast<HANDLE>(static_cast<intptr_t>(list.size()));
        for (size_t i = 0; i < list.size(); ++i) {
          expected[prefix + "#" + std::to_string(i + 1)] =
              static_cast<ISubclass*>(&clients_[list[i]]);
        }
      }
      const auto actual = Properties(h);
      if (actual != expected) {
        return "window " + std::to_string(w) + " properties: expected " + Names(expected) +
               ", got " + Names(actual);
      }
      const LONG_PTR proc = reinterpret_cast<LONG_PTR>(CurrentProc(h));
      if (mw.installer < 0) {
        if (proc != reinterpret_cast<LONG_PTR>(mw.own)) return "window procedure not restored";
      } else {
        auto& entry = entries_[mw.installer];
        if (!entry) entry = proc;
        if (proc != *entry) return "installed procedure is not the installing engine's";
        if (entries_[1 - mw.installer] == proc) return "two engines share a procedure";
      }
    }
    for (int k = 0; k < kEngines; ++k) {
      if (engines_[k].p_CurrentMessage() != cells_[k]) {
        return Mismatch("p_CurrentMessage of engine " + std::to_string(k), cells_[k],
                        engines_[k].p_CurrentMessage());
      }
    }
    return "";
  }

  static std::string Mismatch(const std::string& what, long long expected, long long got) {
    return what + ": expected " + std::to_string(expected) + ", got " + std::to_string(got);
  }
  static std::string Join(const CallLog& log) {
    std::string text;
    for (const auto& entry : log) text += entry + " ";
    return "[" + text + "]";
  }
  static std::string Names(const std::map<std::string, HANDLE>& props) {
    std::ostringstream text;
    for (const auto& [name, value] : props) text << name << "=" << value << " ";
    return "{" + text.str() + "}";
  }

  GSubclass* engines_;
  TestClient* clients_;
  std::optional<LONG_PTR>* entries_;
  std::vector<ModelWindow> windows_;
  std::mt19937 rng_;
  std::ostringstream step_;
  CallLog log_;
  int32_t cells_[kEngines] = {};
  int32_t responses_[kClients] = {};
  Action actions_[kClients];
  HWND dispatchWindow_ = nullptr;
  std::vector<int32_t> actionErrors_, expectedActionErrors_;
};

TEST(SubclassRandomized, SequencesAgreeWithTheRegistryModel) {
  const int sequences = EnvInt("ZEL_SUBCLASS_SEQUENCES", 2000);
  const uint32_t firstSeed = static_cast<uint32_t>(EnvInt("ZEL_SUBCLASS_SEED", 20100));
  GSubclass engines[kEngines];
  std::optional<LONG_PTR> entries[kEngines];
  TestClient clients[kClients] = {{"P", nullptr, 0, 1001},
                                  {"Q", nullptr, 0, 1002},
                                  {"R", nullptr, 0, 1003},
                                  {"S", nullptr, 0, 1004}};
  for (int s = 0; s < sequences; ++s) {
    const uint32_t seed = firstSeed + static_cast<uint32_t>(s);
    std::string failure;
    {
      RandomRun run(engines, clients, entries);
      failure = run.Run(seed);
    }
    if (!failure.empty()) {
      FAIL() << "seed " << seed << " (rerun: ZEL_SUBCLASS_SEED=" << seed
             << " ZEL_SUBCLASS_SEQUENCES=1): " << failure;
    }
  }
}

}  // namespace
}  // namespace subclass_test
