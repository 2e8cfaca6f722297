// The program's own operator new counts every allocation of the process: the shared libraries'
// calls resolve to it as well.
#include "HeapCount.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};
constexpr std::size_t sizeHeader = alignof(std::max_align_t);

void* CountedAllocate(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + sizeHeader));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::size_t live = liveBytes += size;
    std::size_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return block + sizeHeader;
}

void CountedFree(void* memory) {
    if (memory != nullptr) {
        auto* block = static_cast<unsigned char*>(memory) - sizeHeader;
        liveBytes -= *reinterpret_cast<std::size_t*>(block);
        std::free(block);
    }
}

} // namespace

void* operator new(std::size_t size) {
    return CountedAllocate(size);
}
void* operator new[](std::size_t size) {
    return CountedAllocate(size);
}
void operator delete(void* memory) noexcept {
    CountedFree(memory);
}
void operator delete[](void* memory) noexcept {
    CountedFree(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    CountedFree(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    CountedFree(memory);
}

namespace benchsupport {

std::optional<std::size_t> HeapInUse() {
    return liveBytes.load();
}

void ResetHeapPeak() {
    peakBytes = liveBytes.load();
}

std::size_t HeapPeak() {
    return peakBytes.load();
}

} // namespace benchsupport
