#pragma once

#include "host/std/ResourceSource.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace host {

// The resources of one module, as the resource compiler lays them out and the resource manager
// reads them back. All numbers are 32-bit little-endian:
//   header   'T' 'N' 'R' 'S', format version 1, entry count, total size of the blob
//   entries  type, id, offset from the blob's start, size (16 bytes each)
//   data     each resource's bytes, starting at a multiple of 4
class ResourceBlob : public ResourceSource {
public:
    struct Resource {
        std::uint32_t type = 0;
        std::int32_t id = 0;
        std::vector<std::uint8_t> bytes;
    };

    // The blob of `resources`; throws std::invalid_argument when a (type, id) pair repeats or the
    // blob would not fit its 32-bit sizes.
    static std::vector<std::uint8_t> Build(const std::vector<Resource>& resources);

    // Reads the blob at the start of `bytes` (bytes after it are ignored). Nothing when it is
    // not a whole, consistent blob.
    static std::optional<ResourceBlob> Parse(std::span<const std::uint8_t> bytes);

    std::optional<std::span<const std::uint8_t>> Find(std::uint32_t type, std::int32_t id) const override;

private:
    struct Place {
        std::uint32_t offset;
        std::uint32_t size;
    };

    std::vector<std::uint8_t> bytes;
    std::map<std::pair<std::uint32_t, std::int32_t>, Place> places;
};

} // namespace host
