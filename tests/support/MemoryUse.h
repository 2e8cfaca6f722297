#pragma once

#include <cstddef>

namespace testsupport {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool UnderAddressSanitizer = true;
#else
inline constexpr bool UnderAddressSanitizer = false;
#endif

// Bytes of heap the process holds: the leak checker's count under AddressSanitizer, the C
// library's otherwise.
std::size_t HeapInUse();

// Bytes of the process's memory that are resident.
std::size_t ResidentSize();

} // namespace testsupport
