#include "win32/message_loop.h"

namespace zel {
namespace {

// A window property, so that a registration ends with its window.
constexpr wchar_t kTranslatorProp[] = L"ZelvanoKeyTranslator";

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

// Offers a key to the translators of its window and of the windows around it,
// innermost first. The focus usually sits in a window the hosted control made
// inside the host window.
bool TranslateByHosts(MSG& msg) {
  const DWORD thread = GetCurrentThreadId();
  for (HWND w = msg.hwnd; w && GetWindowThreadProcessId(w, nullptr) == thread;) {
    if (auto* translator = static_cast<KeyTranslator*>(GetPropW(w, kTranslatorProp))) {
      if (translator->TranslateKey(msg)) return true;
    }
    if (!(GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD)) break;
    w = GetParent(w);
  }
  return false;
}

void TranslateAndDispatch(MSG& msg) {
  if (IsKeyMessage(msg.message) && TranslateByHosts(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

bool SetKeyTranslator(HWND window, KeyTranslator* translator) {
  return SetPropW(window, kTranslatorProp, translator) != FALSE;
}

void RemoveKeyTranslator(HWND window) { RemovePropW(window, kTranslatorProp); }

int RunMessageLoop() {
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) TranslateAndDispatch(msg);
  return static_cast<int>(msg.wParam);
}

bool DispatchWaitingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateAndDispatch(msg);
  }
  return true;
}

}  // namespace zel
