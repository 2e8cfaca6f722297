#pragma once

// The host's services as the add-on calls them. Every wrapper answers ErrMissingService without
// calling when the host left its slot empty, passes HostContext first (all but RegisterMenu),
// and returns the host's result unchanged. All run on the host's user-interface thread.

#include "host/AddOnInterface.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace host {
class FileLocation;
}

using host::addon::HostResult;

// The add-on's private copy of the host's service table, and whether it has arrived.
extern std::array<std::byte, host::addon::ServiceTableSize> HostServiceTable;
extern bool hostServiceTableReceived;

// The first argument of InitializeAddOn, kept until ReleaseAddOn; non-null while initialised.
extern void* HostContext;

// Copies the host's table verbatim and marks it received.
void AdoptHostServiceTable(const void* table);

HostResult RegisterMenu(std::int16_t menuStringsId, std::int16_t promptStringsId);
HostResult InstallMenuHandler(std::uint16_t menuStringsId, host::addon::MenuHandlerFn handler);
HostResult AddLibraryFolder(const host::FileLocation& folder);
HostResult CreateAttribute(void* attributeRecord, void* extensionRecord);
HostResult SubscribeNotifications(std::uint32_t mask, host::addon::NotificationHandlerFn handler);

// Hands every memory handle held by a 200-byte extension record back to the foundation
// library, then zeroes the record.
void DisposeAttributeExtension(void* extensionRecord);
