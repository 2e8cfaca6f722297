#pragma once

#include <cstddef>
#include <new>

namespace host {

// A relocatable block of the foundation library: a handle that knows its own size. Handles are
// pointer-sized values, so host records can carry them in plain bytes.
struct MemHandleRecord;
using MemHandle = MemHandleRecord*;

// The foundation library's out-of-memory exception.
class OutOfMemory : public std::bad_alloc {
public:
    const char* what() const noexcept override { return "out of memory"; }
};

// A zero-filled block of `size` bytes; throws OutOfMemory when it cannot be had.
MemHandle NewHandle(std::size_t size);
std::size_t GetHandleSize(MemHandle handle); // 0 for null
char* GetHandleData(MemHandle handle);       // null for null
void DisposeHandle(MemHandle handle);        // null is ignored

} // namespace host
