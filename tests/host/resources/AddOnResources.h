#pragma once

#include "host/MemoryHandle.h"
#include "host/Resources.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The add-on's resources, linked into this test program, registered from its own file and active
// for the test's lifetime.
class AddOnResources : public ::testing::Test {
protected:
    void SetUp() override {
        module = host::RegisterResourceModule(nullptr);
        ASSERT_NE(module, host::NoResourceModule);
        previous = host::UseResourceModule(module);
    }
    void TearDown() override {
        host::UseResourceModule(previous);
        host::RemoveResourceModule(module);
    }

    // A resource's bytes; empty (and a test failure) when it is missing.
    static std::vector<std::uint8_t> Load(std::uint32_t type, std::int32_t id) {
        const host::MemHandle handle = host::LoadResource(type, id);
        EXPECT_NE(handle, nullptr) << "resource " << id;
        if (!handle)
            return {};
        const auto* data = reinterpret_cast<const std::uint8_t*>(host::GetHandleData(handle));
        std::vector<std::uint8_t> bytes(data, data + host::GetHandleSize(handle));
        host::DisposeHandle(handle);
        return bytes;
    }

    static std::uint32_t Get16(const std::vector<std::uint8_t>& b, std::size_t at) {
        return b.at(at) | std::uint32_t(b.at(at + 1)) << 8;
    }
    static std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
        return Get16(b, at) | Get16(b, at + 2) << 16;
    }

    host::ResourceModule module = host::NoResourceModule;
    host::ResourceModule previous = host::NoResourceModule;
};
