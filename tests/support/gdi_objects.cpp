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

// Where the table's address is kept. A 64-bit process has it in its process
// environment block; a 32-bit one in the 64-bit block that lies one page below
// its own (as WoW64 lays them out; 32-bit Wine does the same), as a 64-bit value.
const void* TableAddress(HANDLE process) {
  PROCESS_BASIC_INFORMATION info{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof(info), nullptr) < 0)
    return nullptr;
  const auto* block = reinterpret_cast<const char*>(info.PebBaseAddress);
  uint64_t table = 0;
  const char* slot = sizeof(void*) == 8 ? block + 0xF8 : block - 0x1000 + 0xF8;
  if (!ReadProcessMemory(process, slot, &table, sizeof(table), nullptr)) return nullptr;
  return reinterpret_cast<const void*>(static_cast<uintptr_t>(table));
}

}  // namespace

int LiveGdiObjects(HANDLE process) {
  const void* table = TableAddress(process);
  if (!table) return -1;
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
