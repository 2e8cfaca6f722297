#include "addon/HostServices.h"

#include "host/FileLocation.h"
#include "host/MemoryHandle.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace host::addon;

namespace {

// What the recording host saw of the last call.
struct Call {
    const char* service = nullptr;
    void* context = nullptr;
    std::vector<std::byte> record;
    std::uint32_t number = 0;
    const void* pointer = nullptr;
};
Call lastCall;
constexpr HostResult HostAnswer = 0x1234;

HostResult RecordRegisterMenu(const void* record) {
    lastCall = {"RegisterMenu", nullptr, {}, 0, record};
    auto* bytes = static_cast<const std::byte*>(record);
    lastCall.record.assign(bytes, bytes + MenuRecordSize);
    return HostAnswer;
}
HostResult RecordInstallMenuHandler(void* context, std::uint16_t id, MenuHandlerFn handler) {
    lastCall = {"InstallMenuHandler", context, {}, id, reinterpret_cast<const void*>(handler)};
    return HostAnswer;
}
HostResult RecordAddLibraryFolder(void* context, std::uint32_t selector, const void* folder, std::intptr_t a,
                                  std::intptr_t b) {
    lastCall = {"AddLibraryFolder", context, {}, selector, folder};
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    return HostAnswer;
}
HostResult RecordCreateAttribute(void* context, void* record, void*) {
    lastCall = {"CreateAttribute", context, {}, 0, record};
    return HostAnswer;
}
HostResult RecordSubscribe(void* context, std::uint32_t mask, NotificationHandlerFn handler) {
    lastCall = {"SubscribeNotifications", context, {}, mask, reinterpret_cast<const void*>(handler)};
    return HostAnswer;
}
HostResult MenuHandler(const MenuParams*) {
    return 0;
}
HostResult NotificationHandler(std::int32_t, std::intptr_t) {
    return 0;
}

template <typename Fn> void PutSlot(std::vector<std::byte>& table, std::size_t offset, Fn fn) {
    std::memcpy(table.data() + offset, &fn, sizeof fn);
}

class HostServices : public ::testing::Test {
protected:
    void SetUp() override {
        lastCall = {};
        HostContext = &contextTarget;
    }
    void TearDown() override { HostContext = nullptr; }

    void InstallFullTable() {
        std::vector<std::byte> table(ServiceTableSize);
        // The slots at their byte offsets in the host's table, written out rather than taken from the
        // constants.
        PutSlot(table, 48, &RecordRegisterMenu);
        PutSlot(table, 184, &RecordInstallMenuHandler);
        PutSlot(table, 464, &RecordAddLibraryFolder);
        PutSlot(table, 640, &RecordCreateAttribute);
        PutSlot(table, 1680, &RecordSubscribe);
        AdoptHostServiceTable(table.data());
    }

    int contextTarget = 0;
};

TEST_F(HostServices, EmptySlotsAnswerMissingServiceWithoutCalling) {
    std::vector<std::byte> empty(ServiceTableSize);
    AdoptHostServiceTable(empty.data());
    std::byte record[AttributeRecordSize] = {}, extension[ExtensionRecordSize] = {};
    EXPECT_EQ(RegisterMenu(32500, 32520), ErrMissingService);
    EXPECT_EQ(InstallMenuHandler(32500, &MenuHandler), ErrMissingService);
    EXPECT_EQ(AddLibraryFolder(host::FileLocation("/tmp")), ErrMissingService);
    EXPECT_EQ(CreateAttribute(record, extension), ErrMissingService);
    EXPECT_EQ(SubscribeNotifications(AllNotifications, &NotificationHandler), ErrMissingService);
    EXPECT_EQ(lastCall.service, nullptr);
}

TEST_F(HostServices, CallsPassContextAndReturnTheHostsResult) {
    InstallFullTable();
    EXPECT_TRUE(hostServiceTableReceived);

    EXPECT_EQ(InstallMenuHandler(32500, &MenuHandler), HostAnswer);
    EXPECT_STREQ(lastCall.service, "InstallMenuHandler");
    EXPECT_EQ(lastCall.context, &contextTarget);
    EXPECT_EQ(lastCall.number, 32500u);
    EXPECT_EQ(lastCall.pointer, reinterpret_cast<const void*>(&MenuHandler));

    const host::FileLocation folder("/tmp/Tarnova anyagok");
    EXPECT_EQ(AddLibraryFolder(folder), HostAnswer);
    EXPECT_EQ(lastCall.context, &contextTarget);
    EXPECT_EQ(lastCall.number, 0x414C4942u);
    EXPECT_EQ(lastCall.pointer, &folder);

    std::byte record[AttributeRecordSize] = {}, extension[ExtensionRecordSize] = {};
    EXPECT_EQ(CreateAttribute(record, extension), HostAnswer);
    EXPECT_EQ(lastCall.pointer, record);

    EXPECT_EQ(SubscribeNotifications(AllNotifications, &NotificationHandler), HostAnswer);
    EXPECT_EQ(lastCall.number, 0xFFFFFFFFu);
}

TEST_F(HostServices, RegisterMenuHandsTheThirtyTwoByteRecordWithoutContext) {
    InstallFullTable();
    EXPECT_EQ(RegisterMenu(32500, 32520), HostAnswer);
    ASSERT_EQ(lastCall.record.size(), 32u);
    std::int16_t menu = 0, prompt = 0;
    std::memcpy(&menu, lastCall.record.data(), 2);
    std::memcpy(&prompt, lastCall.record.data() + 2, 2);
    EXPECT_EQ(menu, 32500);
    EXPECT_EQ(prompt, 32520);
    for (std::size_t i = 4; i < 32; ++i) {
        EXPECT_EQ(lastCall.record[i], std::byte{0}) << "byte " << i;
    }
}

TEST(DisposeAttributeExtension, DisposesEveryHandleAndZeroesTheRecord) {
    std::byte extension[ExtensionRecordSize] = {};
    auto put = [](std::byte* at, host::MemHandle h) { std::memcpy(at, &h, sizeof h); };
    for (int i = 0; i < 14; ++i) {
        put(extension + i * 8, host::NewHandle(16));
    }
    // Three entries; the first and the third own an inner handle.
    host::MemHandle entries = host::NewHandle(3 * 1080);
    char* data = host::GetHandleData(entries);
    for (int i : {0, 2}) {
        const std::int16_t kind = 2;
        std::memcpy(data + i * 1080 + 6, &kind, 2);
        put(reinterpret_cast<std::byte*>(data + i * 1080 + 568), host::NewHandle(8));
    }
    put(extension + 112, entries);
    put(extension + 120, host::NewHandle(4));
    put(extension + 128, nullptr);

    DisposeAttributeExtension(extension); // the sanitizer build reports any handle left behind
    for (std::byte b : extension) {
        ASSERT_EQ(b, std::byte{0});
    }
}

} // namespace
