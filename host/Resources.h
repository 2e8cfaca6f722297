#pragma once

#include "host/MemoryHandle.h"

#include <cstdint>
#include <string>

namespace host {

// The resource manager of the foundation library. A resource module is a library or program
// whose resources were compiled into it; resources are looked up in the active module.
using ResourceModule = std::int64_t;
inline constexpr ResourceModule NoResourceModule = -1;

// A resource type from its four characters, as 'STRS' would be written.
constexpr std::uint32_t ResourceType(const char (&code)[5]) {
    return (std::uint32_t(std::uint8_t(code[0])) << 24) | (std::uint32_t(std::uint8_t(code[1])) << 16) |
           (std::uint32_t(std::uint8_t(code[2])) << 8) | std::uint32_t(std::uint8_t(code[3]));
}

// Registers the resources compiled into the module (library or program) that holds `instance`, an
// address inside it such as its instance handle; null stands for the program itself. The active
// module stays as it is. NoResourceModule when the module holds no readable resources.
ResourceModule RegisterResourceModule(const void* instance);
void RemoveResourceModule(ResourceModule module);

// Makes `module` the active one and answers the module that was active before.
ResourceModule UseResourceModule(ResourceModule module);
ResourceModule GetActiveResourceModule();

// Item `item` (1-based) of string list `listId` ('STRS') of the active module, as the 8-bit
// bytes the resource holds. False when there is no such list or item.
bool GetResourceString(std::string& out, std::int32_t listId, std::int32_t item);

// A copy of resource (type, id) of the active module in a new handle that belongs to the caller;
// null when there is none.
MemHandle LoadResource(std::uint32_t type, std::int32_t id);

// Makes a module active for the lifetime of the scope and restores the previous one.
class ResourceModuleScope {
public:
    explicit ResourceModuleScope(ResourceModule module) : previous(UseResourceModule(module)) {}
    ~ResourceModuleScope() { UseResourceModule(previous); }
    ResourceModuleScope(const ResourceModuleScope&) = delete;
    ResourceModuleScope& operator=(const ResourceModuleScope&) = delete;

private:
    ResourceModule previous;
};

} // namespace host
