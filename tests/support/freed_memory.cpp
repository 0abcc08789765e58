#include "support/freed_memory.h"

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {
const void* g_watched = nullptr;
bool g_freed = false;

void* Allocate(std::size_t size) {
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

void Free(void* p) noexcept {
  if (!p) return;
  if (p == g_watched) {
    std::memset(p, 0xDD, _msize(p));
    g_freed = true;
  }
  std::free(p);
}
}  // namespace

namespace zeltest {

void WatchFree(const void* block) {
  g_watched = block;
  g_freed = false;
}

bool WasFreed(const void* block) { return block == g_watched && g_freed; }

}  // namespace zeltest

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
