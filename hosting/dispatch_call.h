// Late-bound property writes through IDispatch, by name.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace zel {

// Sets property `name` of `object` to `value`; false when it has no such property
// or refuses the value.
bool PutProperty(IUnknown* object, const wchar_t* name, const VARIANT& value);

}  // namespace zel
