#include "host/MemoryHandle.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(MemoryHandles, KnowTheirSizeAndStartZeroFilled) {
    for (const std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(1080), std::size_t(1) << 20}) {
        const host::MemHandle handle = host::NewHandle(size);
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(host::GetHandleSize(handle), size);
        const char* data = host::GetHandleData(handle);
        ASSERT_NE(data, nullptr);
        EXPECT_TRUE(std::all_of(data, data + size, [](char c) { return c == 0; })) << size;
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(data) % alignof(std::max_align_t), 0u);
        host::DisposeHandle(handle);
    }
}

TEST(MemoryHandles, NullIsEmptyAndDisposable) {
    EXPECT_EQ(host::GetHandleSize(nullptr), 0u);
    EXPECT_EQ(host::GetHandleData(nullptr), nullptr);
    host::DisposeHandle(nullptr);
}

TEST(MemoryHandles, ImpossibleSizesRaiseOutOfMemory) {
    const std::size_t most = std::numeric_limits<std::size_t>::max();
    EXPECT_THROW(host::NewHandle(most), host::OutOfMemory);
    EXPECT_THROW(host::NewHandle(most - 8), std::bad_alloc);
}

} // namespace
