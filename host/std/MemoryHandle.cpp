#include "host/MemoryHandle.h"

#include <cstdlib>
#include <limits>

namespace host {

// The block's size sits in front of its bytes; the bytes start at a maximally aligned offset.
struct alignas(std::max_align_t) MemHandleRecord {
    std::size_t size;
};

MemHandle NewHandle(std::size_t size) {
    if (size > std::numeric_limits<std::size_t>::max() - sizeof(MemHandleRecord))
        throw OutOfMemory();
    void* block = std::calloc(1, sizeof(MemHandleRecord) + size);
    if (!block)
        throw OutOfMemory();
    auto* handle = static_cast<MemHandle>(block);
    handle->size = size;
    return handle;
}

std::size_t GetHandleSize(MemHandle handle) {
    return handle ? handle->size : 0;
}

char* GetHandleData(MemHandle handle) {
    return handle ? reinterpret_cast<char*>(handle + 1) : nullptr;
}

void DisposeHandle(MemHandle handle) {
    std::free(handle);
}

} // namespace host
