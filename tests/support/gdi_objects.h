// Live GDI objects of a process, counted where GetGuiResources cannot (it is a
// stub under Wine that answers 0).
#pragma once

#include <windows.h>

namespace zeltest {

// The GDI objects that `process` holds now (stock objects included), or -1 when
// its handle table cannot be read. Another process needs PROCESS_QUERY_INFORMATION
// and PROCESS_VM_READ access.
int LiveGdiObjects(HANDLE process = GetCurrentProcess());

}  // namespace zeltest
