#pragma once

#include <cstddef>
#include <optional>

// The heap bytes the whole process holds through operator new, where a program can count them.
namespace benchsupport {

// The bytes in use now; nullopt where the program cannot see every allocation: on Windows each DLL
// keeps its own operator new, so the program's would free blocks it never made.
std::optional<std::size_t> HeapInUse();

// The most bytes in use since the last reset.
void ResetHeapPeak();
std::size_t HeapPeak();

} // namespace benchsupport
