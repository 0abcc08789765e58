// How many copies a frame paint makes: the window receives exactly four (caption,
// left edge, right edge, bottom), copied from strips composed in memory surfaces
// and kept there, so a repaint that changes nothing makes no other copy. The
// count is taken by redirecting this program's import of BitBlt, the only way to
// see copies that leave no trace in the pixels.
#include <gtest/gtest.h>

#include <memory>

#include "skin_test_support.h"

namespace skin_test {
namespace {

using BitBltFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, DWORD);

BitBltFn g_real_bitblt = nullptr;
HWND g_counted_window = nullptr;
int g_window_copies = 0;
int g_all_copies = 0;

BOOL WINAPI CountingBitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int xs, int ys,
                           DWORD rop) {
  ++g_all_copies;
  if (g_counted_window && WindowFromDC(dst) == g_counted_window) ++g_window_copies;
  return g_real_bitblt(dst, x, y, cx, cy, src, xs, ys, rop);
}

// Replaces this program's import slot for gdi32's BitBlt while it lives.
class BitBltCounter {
 public:
  BitBltCounter() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const auto real =
        reinterpret_cast<ULONG_PTR>(GetProcAddress(GetModuleHandleW(L"gdi32.dll"), "BitBlt"));
    g_real_bitblt = reinterpret_cast<BitBltFn>(real);
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         dir.VirtualAddress && d->Name; ++d) {
      for (auto* t = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); t->u1.Function;
           ++t) {
        if (t->u1.Function != real) continue;
        slot_ = &t->u1.Function;
        Write(reinterpret_cast<ULONG_PTR>(&CountingBitBlt));
        return;
      }
    }
  }
  ~BitBltCounter() {
    if (slot_) Write(reinterpret_cast<ULONG_PTR>(g_real_bitblt));
  }
  BitBltCounter(const BitBltCounter&) = delete;
  BitBltCounter& operator=(const BitBltCounter&) = delete;
  bool Installed() const { return slot_ != nullptr; }

 private:
  void Write(ULONG_PTR value) {
    DWORD old = 0;
    VirtualProtect(slot_, sizeof(*slot_), PAGE_READWRITE, &old);
    *slot_ = value;
    VirtualProtect(slot_, sizeof(*slot_), old, &old);
  }
  decltype(IMAGE_THUNK_DATA::u1.Function)* slot_ = nullptr;
};

struct Copies {
  int window = 0;
  int all = 0;
};

Copies CountCopies(HWND hwnd, UINT msg, WPARAM wParam) {
  g_counted_window = hwnd;
  g_window_copies = g_all_copies = 0;
  SendMessageW(hwnd, msg, wParam, 0);
  g_counted_window = nullptr;
  return Copies{g_window_copies, g_all_copies};
}

TEST(FrameCopies, EveryPaintCopiesFourTimesToTheWindowAndComposesOnlyAfterAChange) {
  BitBltCounter counter;
  ASSERT_TRUE(counter.Installed());
  MoveCursor(1270, 1010);
  Skin placed;
  placed.controlButtonPosition = true;
  placed.buttonOffsetX = -7;
  placed.buttonOffsetY = 3;
  placed.rightBorderWidth = 3;
  const struct {
    const char* name;
    Skin skin;
    int width, height;
    BOOL active;
    DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  } cases[] = {{"active", Skin{}, 300, 200, TRUE},
               {"inactive", Skin{}, 300, 200, FALSE},
               {"placed buttons", placed, 300, 200, TRUE},
               {"large", Skin{}, 745, 400, TRUE},
               {"narrower than both caption ends", Skin{}, 30, 120, TRUE,
                WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow w(c.style, 100, 100, c.width, c.height);
    ASSERT_EQ(w.WindowRect().right - w.WindowRect().left, c.width);
    cNeoClass neo;
    c.skin.ApplyTo(neo);
    neo.Attach(w);
    PumpFor(30);
    SendMessageW(w.hwnd(), WM_NCACTIVATE, !c.active, 0);
    // A change composes what it makes stale off screen, then copies the four.
    // Activation ends with RedrawWindow(RDW_UPDATENOW). Wine treats the lock's
    // restored WS_VISIBLE as a window just shown and repaints it there once more;
    // a repaint from the lock's own style messages would make it three.
    const Copies activation = CountCopies(w.hwnd(), WM_NCACTIVATE, c.active);
    EXPECT_LE(activation.window, 8);
    EXPECT_GT(activation.all, activation.window);
    // Nothing changed since: the kept strips are only copied.
    const Copies paint = CountCopies(w.hwnd(), WM_NCPAINT, 1);
    EXPECT_EQ(paint.window, 4);
    EXPECT_EQ(paint.all, 4);
    // Repaints after other messages go through the same paint, once per message:
    // the style changes of the redraw lock do not paint again.
    for (UINT msg : {WM_SETTEXT, WM_SETICON, WM_INITMENU}) {
      const Copies repaint = CountCopies(w.hwnd(), msg, 0);
      EXPECT_EQ(repaint.window, 4) << "message " << msg;
      EXPECT_EQ(repaint.all, 4) << "message " << msg;
    }
  }
}

}  // namespace
}  // namespace skin_test
