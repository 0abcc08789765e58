#include "subclass/property_registry.h"

#include <charconv>

#include "subclass/window_kind.h"

namespace zel::subclass_registry {
namespace {

constexpr PlatformCalls kDefaultCalls{&SetPropA, &window_kind::SetProc, &VirtualAlloc};
PlatformCalls g_calls = kDefaultCalls;

// Appends pieces to a name; the longest name fits, so no bounds are lost.
class NameWriter {
 public:
  NameWriter& Number(int32_t value) {
    auto result = std::to_chars(name_.text + length_, name_.text + kMaxNameLength, value);
    length_ = static_cast<size_t>(result.ptr - name_.text);
    return *this;
  }
  NameWriter& Char(char c) {
    name_.text[length_++] = c;
    return *this;
  }
  PropertyName Done() {
    name_.text[length_] = '\0';
    return name_;
  }

 private:
  PropertyName name_{};
  size_t length_ = 0;
};

}  // namespace

int32_t HandleNumber(HWND hwnd) {
  return static_cast<int32_t>(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(hwnd)));
}

PropertyName OldProcName(HWND hwnd) { return NameWriter().Number(HandleNumber(hwnd)).Done(); }

PropertyName AttachCountName(HWND hwnd) {
  return NameWriter().Char('C').Number(HandleNumber(hwnd)).Done();
}

PropertyName ClientCountName(HWND hwnd, int32_t msg) {
  return NameWriter().Number(HandleNumber(hwnd)).Char('#').Number(msg).Char('C').Done();
}

PropertyName ClientName(HWND hwnd, int32_t msg, int32_t position) {
  return NameWriter()
      .Number(HandleNumber(hwnd))
      .Char('#')
      .Number(msg)
      .Char('#')
      .Number(position)
      .Done();
}

HANDLE Read(HWND hwnd, const PropertyName& name) { return GetPropA(hwnd, name.text); }

bool Store(HWND hwnd, const PropertyName& name, HANDLE value) {
  bool ok = g_calls.setProp(hwnd, name.text, value) != FALSE;
  if (value == nullptr) RemovePropA(hwnd, name.text);
  return ok;
}

PlatformCalls& Platform() { return g_calls; }

void ResetPlatformCalls() { g_calls = kDefaultCalls; }

}  // namespace zel::subclass_registry
