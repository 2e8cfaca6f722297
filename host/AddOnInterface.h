#pragma once

// The host application's add-on interface: the records and function types exchanged between the
// host and an add-on library. Layouts are the host's, little-endian, 64-bit.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace host::addon {

using HostResult = std::int32_t;

inline constexpr HostResult ErrNotInitialized = static_cast<HostResult>(0x81060001u);
inline constexpr HostResult ErrBadLocation = static_cast<HostResult>(0x81060385u);
inline constexpr HostResult ErrMissingService = static_cast<HostResult>(0x81060387u);

// Entry-point record, filled by the add-on's GetExportedFuncAddrs.
inline constexpr std::size_t EntryRecordSize = 120;
inline constexpr std::uint32_t InterfaceVersion = 0x000E0001;
inline constexpr std::uint32_t InterfaceLevel = 14000;
inline constexpr std::size_t EntryVersionOffset = 0;
inline constexpr std::size_t EntryDescribeOffset = 8;
inline constexpr std::size_t EntryRegisterMenuOffset = 16;
inline constexpr std::size_t EntryInitializeOffset = 24;
inline constexpr std::size_t EntryReleaseOffset = 32;
inline constexpr std::size_t EntryLevelOffset = 40;

// Description record handed to DescribeAddOn: two NUL-terminated 8-bit texts.
inline constexpr std::size_t DescriptionNameOffset = 128;
inline constexpr std::size_t DescriptionTextOffset = 384;
inline constexpr std::size_t DescriptionTextSize = 256;
inline constexpr std::size_t DescriptionRecordSize = DescriptionTextOffset + DescriptionTextSize;

// The service table the host hands over with SetImportedFuncAddrs: 344 pointer slots.
inline constexpr std::size_t ServiceTableSize = 2752;
inline constexpr std::size_t RegisterMenuSlot = 48;
inline constexpr std::size_t InstallMenuHandlerSlot = 184;
inline constexpr std::size_t AddLibraryFolderSlot = 464;
inline constexpr std::size_t CreateAttributeSlot = 640;
inline constexpr std::size_t SubscribeNotificationsSlot = 1680;

// Record of RegisterMenu: int16 menu string list, int16 prompt string list, two int32 numbers.
inline constexpr std::size_t MenuRecordSize = 32;
// Menu parameter record handed to a menu handler: its first field is the menu string list id.
struct MenuParams {
    std::int16_t menuStringsId;
    std::int16_t itemIndex;
};

inline constexpr std::uint32_t LibraryFolderSelector = 0x414C4942; // 'ALIB'
inline constexpr std::uint32_t AllNotifications = 0xFFFFFFFF;

// Attribute records of CreateAttribute.
inline constexpr std::size_t AttributeRecordSize = 968;
inline constexpr std::size_t ExtensionRecordSize = 200;

using DescribeAddOnFn = HostResult (*)(void* descriptionRecord);
using RegisterAddOnMenuFn = HostResult (*)();
using InitializeAddOnFn = HostResult (*)(void* hostContext, void* reserved);
using ReleaseAddOnFn = HostResult (*)(void* reserved);

using MenuHandlerFn = HostResult (*)(const MenuParams* params);
using NotificationHandlerFn = HostResult (*)(std::int32_t notification, std::intptr_t parameter);

using RegisterMenuFn = HostResult (*)(const void* menuRecord);
using InstallMenuHandlerFn = HostResult (*)(void* hostContext, std::uint16_t menuStringsId,
                                            MenuHandlerFn handler);
using AddLibraryFolderFn = HostResult (*)(void* hostContext, std::uint32_t selector,
                                          const void* folderLocation, std::intptr_t, std::intptr_t);
using CreateAttributeFn = HostResult (*)(void* hostContext, void* attributeRecord, void* extensionRecord);
using SubscribeNotificationsFn = HostResult (*)(void* hostContext, std::uint32_t mask,
                                                NotificationHandlerFn handler);

// The add-on library's two exports.
using GetExportedFuncAddrsFn = void (*)(void* entryRecord);
using SetImportedFuncAddrsFn = HostResult (*)(const void* serviceTable);

// The services a host offers add-ons of this level, and the table that carries them; a null
// service leaves its slot empty.
struct HostServiceSet {
    RegisterMenuFn registerMenu = nullptr;
    InstallMenuHandlerFn installMenuHandler = nullptr;
    AddLibraryFolderFn addLibraryFolder = nullptr;
    CreateAttributeFn createAttribute = nullptr;
    SubscribeNotificationsFn subscribeNotifications = nullptr;
};

using ServiceTable = std::array<std::byte, ServiceTableSize>;

inline ServiceTable BuildServiceTable(const HostServiceSet& services) {
    ServiceTable table{};
    const auto put = [&table](std::size_t slot, auto service) {
        std::memcpy(table.data() + slot, &service, sizeof service);
    };
    put(RegisterMenuSlot, services.registerMenu);
    put(InstallMenuHandlerSlot, services.installMenuHandler);
    put(AddLibraryFolderSlot, services.addLibraryFolder);
    put(CreateAttributeSlot, services.createAttribute);
    put(SubscribeNotificationsSlot, services.subscribeNotifications);
    return table;
}

} // namespace host::addon
