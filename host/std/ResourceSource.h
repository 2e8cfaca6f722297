#pragma once

#include "host/Resources.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace host {

// Where a registered module's resources are read from; each platform's module reader makes one.
class ResourceSource {
public:
    virtual ~ResourceSource() = default;
    // The bytes of resource (type, id), valid while the source lives; nothing when there is none.
    virtual std::optional<std::span<const std::uint8_t>> Find(std::uint32_t type, std::int32_t id) const = 0;
};

// Registers a module whose resources `source` reads; the active module stays as it is.
ResourceModule AddResourceModule(std::shared_ptr<const ResourceSource> source);

} // namespace host
