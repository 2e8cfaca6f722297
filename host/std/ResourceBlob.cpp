#include "host/std/ResourceBlob.h"

#include <algorithm>
#include <limits>
#include <set>
#include <stdexcept>

namespace host {
namespace {

constexpr std::uint8_t magic[4] = {'T', 'N', 'R', 'S'};
constexpr std::uint32_t formatVersion = 1;
constexpr std::size_t headerSize = 16;
constexpr std::size_t entrySize = 16;

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = std::uint8_t(value >> (8 * i));
}

std::uint32_t Get32(std::span<const std::uint8_t> in, std::size_t at) {
    return std::uint32_t(in[at]) | std::uint32_t(in[at + 1]) << 8 | std::uint32_t(in[at + 2]) << 16 |
           std::uint32_t(in[at + 3]) << 24;
}

std::size_t RoundUp4(std::size_t n) {
    return (n + 3) & ~std::size_t(3);
}

} // namespace

std::vector<std::uint8_t> ResourceBlob::Build(const std::vector<Resource>& resources) {
    std::set<std::pair<std::uint32_t, std::int32_t>> seen;
    std::size_t total = headerSize + entrySize * resources.size();
    for (const auto& resource : resources) {
        if (!seen.emplace(resource.type, resource.id).second)
            throw std::invalid_argument("resource type and id repeat");
        total = RoundUp4(total) + resource.bytes.size();
    }
    if (total > std::numeric_limits<std::uint32_t>::max())
        throw std::invalid_argument("resources too large");

    std::vector<std::uint8_t> out(headerSize + entrySize * resources.size());
    std::copy(std::begin(magic), std::end(magic), out.begin());
    Put32(out, 4, formatVersion);
    Put32(out, 8, std::uint32_t(resources.size()));
    Put32(out, 12, std::uint32_t(total));
    std::size_t entry = headerSize;
    for (const auto& resource : resources) {
        out.resize(RoundUp4(out.size()));
        Put32(out, entry, resource.type);
        Put32(out, entry + 4, std::uint32_t(resource.id));
        Put32(out, entry + 8, std::uint32_t(out.size()));
        Put32(out, entry + 12, std::uint32_t(resource.bytes.size()));
        out.insert(out.end(), resource.bytes.begin(), resource.bytes.end());
        entry += entrySize;
    }
    return out;
}

std::optional<ResourceBlob> ResourceBlob::Parse(std::span<const std::uint8_t> in) {
    if (in.size() < headerSize || !std::equal(std::begin(magic), std::end(magic), in.begin()) ||
        Get32(in, 4) != formatVersion)
        return std::nullopt;
    const std::uint64_t count = Get32(in, 8);
    const std::uint64_t total = Get32(in, 12);
    const std::uint64_t dataStart = headerSize + entrySize * count;
    if (total > in.size() || dataStart > total)
        return std::nullopt;

    ResourceBlob blob;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::size_t at = headerSize + entrySize * i;
        const std::uint32_t type = Get32(in, at);
        const auto id = std::int32_t(Get32(in, at + 4));
        const std::uint64_t offset = Get32(in, at + 8);
        const std::uint64_t size = Get32(in, at + 12);
        if (offset < dataStart || offset + size > total)
            return std::nullopt;
        if (!blob.places.emplace(std::pair(type, id), Place{std::uint32_t(offset), std::uint32_t(size)})
                 .second)
            return std::nullopt;
    }
    blob.bytes.assign(in.begin(), in.begin() + std::ptrdiff_t(total));
    return blob;
}

std::optional<std::span<const std::uint8_t>> ResourceBlob::Find(std::uint32_t type, std::int32_t id) const {
    const auto found = places.find({type, id});
    if (found == places.end())
        return std::nullopt;
    return std::span(bytes).subspan(found->second.offset, found->second.size);
}

} // namespace host
