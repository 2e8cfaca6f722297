#include "support/MemoryUse.h"

#include <malloc.h>
#include <windows.h>

#include <psapi.h>

namespace testsupport {

// The C library's heap, walked block by block.
std::size_t HeapInUse() {
    std::size_t used = 0;
    _HEAPINFO entry{};
    while (_heapwalk(&entry) == _HEAPOK) {
        if (entry._useflag == _USEDENTRY) {
            used += entry._size;
        }
    }
    return used;
}

std::size_t ResidentSize() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.WorkingSetSize : 0;
}

} // namespace testsupport
