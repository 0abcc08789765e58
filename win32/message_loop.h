// The thread's message loop, one for the program's main loop and for the modal
// loops that dispatch waiting messages (the frame's caption drag): every
// keystroke is first offered to the hosted control that holds the focus.
#pragma once

#include <windows.h>

namespace zel {

// Content with keyboard handling of its own (a hosted control) in a window of
// ours: it sees the keys meant for that window or any window inside it before
// they are translated and dispatched.
class KeyTranslator {
 public:
  // True when the key was handled: the loop then neither translates nor
  // dispatches it.
  virtual bool TranslateKey(MSG& msg) = 0;

 protected:
  ~KeyTranslator() = default;
};

// Keys for `window` and its descendants go to `translator` first, until
// RemoveKeyTranslator or the window's destruction. `translator` must outlive
// the registration.
bool SetKeyTranslator(HWND window, KeyTranslator* translator);
void RemoveKeyTranslator(HWND window);

// Runs the thread's messages until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Dispatches every message waiting now. False when a quit request was among
// them: it is posted again, for the outer loop to end on.
bool DispatchWaitingMessages();

}  // namespace zel
