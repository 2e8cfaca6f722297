#include "addon/HostServices.h"

#include "host/MemoryHandle.h"

#include <cstring>

using namespace host::addon;

std::array<std::byte, ServiceTableSize> HostServiceTable{};
bool hostServiceTableReceived = false;
void* HostContext = nullptr;

namespace {

template <typename Fn> Fn ServiceAt(std::size_t offset) {
    Fn fn = nullptr;
    std::memcpy(&fn, HostServiceTable.data() + offset, sizeof fn);
    return fn;
}

host::MemHandle HandleAt(const std::byte* bytes, std::size_t offset) {
    host::MemHandle handle = nullptr;
    std::memcpy(&handle, bytes + offset, sizeof handle);
    return handle;
}

// Layout of the extension record's handles.
constexpr std::size_t PlainHandleCount = 14;
constexpr std::size_t EntryArrayOffset = 112;
constexpr std::size_t EntrySize = 1080;
constexpr std::size_t EntryKindOffset = 6;
constexpr std::int16_t EntryKindWithHandle = 2;
constexpr std::size_t EntryHandleOffset = 568;
constexpr std::size_t TrailingHandleOffsets[] = {120, 128};

} // namespace

void AdoptHostServiceTable(const void* table) {
    std::memcpy(HostServiceTable.data(), table, HostServiceTable.size());
    hostServiceTableReceived = true;
}

HostResult RegisterMenu(std::int16_t menuStringsId, std::int16_t promptStringsId) {
    auto service = ServiceAt<RegisterMenuFn>(RegisterMenuSlot);
    if (service == nullptr) {
        return ErrMissingService;
    }
    std::byte record[MenuRecordSize] = {};
    std::memcpy(record, &menuStringsId, sizeof menuStringsId);
    std::memcpy(record + 2, &promptStringsId, sizeof promptStringsId);
    return service(record);
}

HostResult InstallMenuHandler(std::uint16_t menuStringsId, MenuHandlerFn handler) {
    auto service = ServiceAt<InstallMenuHandlerFn>(InstallMenuHandlerSlot);
    return service == nullptr ? ErrMissingService : service(HostContext, menuStringsId, handler);
}

HostResult AddLibraryFolder(const host::FileLocation& folder) {
    auto service = ServiceAt<AddLibraryFolderFn>(AddLibraryFolderSlot);
    return service == nullptr ? ErrMissingService
                              : service(HostContext, LibraryFolderSelector, &folder, 0, 0);
}

HostResult CreateAttribute(void* attributeRecord, void* extensionRecord) {
    auto service = ServiceAt<CreateAttributeFn>(CreateAttributeSlot);
    return service == nullptr ? ErrMissingService : service(HostContext, attributeRecord, extensionRecord);
}

HostResult SubscribeNotifications(std::uint32_t mask, NotificationHandlerFn handler) {
    auto service = ServiceAt<SubscribeNotificationsFn>(SubscribeNotificationsSlot);
    return service == nullptr ? ErrMissingService : service(HostContext, mask, handler);
}

void DisposeAttributeExtension(void* extensionRecord) {
    auto* bytes = static_cast<std::byte*>(extensionRecord);
    for (std::size_t i = 0; i < PlainHandleCount; ++i) {
        host::DisposeHandle(HandleAt(bytes, i * sizeof(host::MemHandle)));
    }
    if (host::MemHandle entries = HandleAt(bytes, EntryArrayOffset)) {
        const auto* data = reinterpret_cast<const std::byte*>(host::GetHandleData(entries));
        const std::size_t count = host::GetHandleSize(entries) / EntrySize;
        for (std::size_t i = 0; i < count; ++i) {
            const std::byte* entry = data + i * EntrySize;
            std::int16_t kind = 0;
            std::memcpy(&kind, entry + EntryKindOffset, sizeof kind);
            if (kind == EntryKindWithHandle) {
                host::DisposeHandle(HandleAt(entry, EntryHandleOffset));
            }
        }
        host::DisposeHandle(entries);
    }
    for (std::size_t offset : TrailingHandleOffsets) {
        host::DisposeHandle(HandleAt(bytes, offset));
    }
    std::memset(bytes, 0, ExtensionRecordSize);
}
