// Real mouse clicks on a tree-view control, as a user makes them.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace zeltest {

// Brings `foreground` to the front, moves the cursor to the screen point `p` and
// clicks the left button; then lets the double-click time pass, so that the
// next click is a click of its own.
void ClickAt(HWND foreground, POINT p);
// Scrolls `item` into view and clicks the middle of its label. False when the
// tree gives no rectangle for it.
bool ClickTreeItem(HWND foreground, HWND tree, HTREEITEM item);

}  // namespace zeltest
