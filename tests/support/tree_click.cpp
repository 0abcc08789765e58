#include "support/tree_click.h"

#include <chrono>
#include <cstring>

#include "support/message_pump.h"

namespace zeltest {

using namespace std::chrono_literals;

void ClickAt(HWND foreground, POINT p) {
  SetForegroundWindow(foreground);
  SetCursorPos(p.x, p.y);
  PumpMessages(50ms);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  PumpMessages(std::chrono::milliseconds(GetDoubleClickTime() + 100));
}

bool ClickTreeItem(HWND foreground, HWND tree, HTREEITEM item) {
  SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  RECT r{};
  // TVM_GETITEMRECT takes the item in the rectangle's first bytes.
  memcpy(&r, &item, sizeof(item));
  if (!SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r))) return false;
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(tree, &p);
  ClickAt(foreground, p);
  return true;
}

}  // namespace zeltest
