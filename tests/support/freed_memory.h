// Watches one heap block for its release. A program that lists freed_memory.cpp
// among its sources has its operator new and delete replaced: the watched block
// is filled with 0xDD as it is freed, so a use after free reads garbage (a
// virtual call through it faults) instead of the old contents.
#pragma once

namespace zeltest {

void WatchFree(const void* block);
// The watched block has been freed since WatchFree.
bool WasFreed(const void* block);

}  // namespace zeltest
