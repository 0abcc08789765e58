#include "support/gdi_objects.h"

#include <winternl.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zeltest {

namespace {

// Wine keeps a process's GDI handles in one table that its process environment
// block points to (GdiSharedHandleTable), laid out as on Windows; an entry whose
// type is not 0 is a live object. Another process's table is read as memory.
struct HandleEntry {
  uint64_t object;
  uint32_t owner;
  uint16_t unique;
  uint8_t type;
  uint8_t flags;
  uint64_t user_pointer;
};
static_assert(sizeof(HandleEntry) == 24);
constexpr size_t kHandleCount = 0x10000;
// Offset of GdiSharedHandleTable in the process environment block of a process
// of this program's kind (both programs are of the same kind here).
constexpr size_t kTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

}  // namespace

int LiveGdiObjects(HANDLE process) {
  PROCESS_BASIC_INFORMATION info{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof(info), nullptr) < 0)
    return -1;
  void* table = nullptr;
  auto* slot = reinterpret_cast<const char*>(info.PebBaseAddress) + kTableOffset;
  if (!ReadProcessMemory(process, slot, &table, sizeof(table), nullptr) || !table) return -1;
  std::vector<HandleEntry> entries(kHandleCount);
  if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(HandleEntry),
                         nullptr))
    return -1;
  int count = 0;
  for (const HandleEntry& entry : entries)
    if (entry.type != 0) ++count;
  return count;
}

}  // namespace zeltest
