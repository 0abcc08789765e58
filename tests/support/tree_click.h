// Real left clicks with the mouse, on a screen point or on a tree-view item.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace zeltest {

// Brings `foreground` to the front and clicks at `screen`; then lets the
// double-click time pass, so that the next click is a click of its own.
void ClickAt(POINT screen, HWND foreground);

// Scrolls `item` into view, brings `foreground` to the front and clicks the
// middle of the item's label, as ClickAt. False when the item has no rectangle.
bool ClickTreeItem(HWND tree, HTREEITEM item, HWND foreground);

}  // namespace zeltest
