#include "HeapCount.h"

namespace benchsupport {

std::optional<std::size_t> HeapInUse() {
    return std::nullopt;
}

void ResetHeapPeak() {}

std::size_t HeapPeak() {
    return 0;
}

} // namespace benchsupport
