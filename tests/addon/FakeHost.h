#pragma once

#include "host/AddOnInterface.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A host for the add-on in the test's own process: a service table whose five services record
// their calls and answer what the test sets.
struct FakeHost {
    struct Answers {
        host::addon::HostResult registerMenu = 0;
        host::addon::HostResult installMenuHandler = 0;
        host::addon::HostResult subscribe = 0;
    };

    Answers answers;
    std::vector<std::byte> menuRecord;
    int registerMenuCalls = 0;
    void* menuContext = nullptr;
    std::optional<std::uint16_t> menuId;
    host::addon::MenuHandlerFn menuHandler = nullptr;
    void* notificationContext = nullptr;
    std::uint32_t notificationMask = 0;
    host::addon::NotificationHandlerFn notificationHandler = nullptr;
    std::vector<std::string> libraryFolders; // the path of each AddLibraryFolder call
    std::vector<std::uint32_t> librarySelectors;
    int createAttributeCalls = 0;

    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // The table with the five services, or with every slot empty.
    host::addon::ServiceTable Table() const;
    static host::addon::ServiceTable EmptyTable() { return {}; }
};
