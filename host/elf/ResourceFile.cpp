#include "host/elf/ElfResources.h"

#include "host/elf/ElfSection.h"
#include "host/std/ResourceBlob.h"

#include <memory>

namespace host {
namespace {

// The section of a library file that holds its compiled resources.
constexpr const char* resourceSection = ".tnres";

} // namespace

ResourceModule RegisterResourceFile(const char* path) {
    if (path == nullptr)
        return NoResourceModule;
    const auto section = ReadElfSection(path, resourceSection);
    if (!section)
        return NoResourceModule;
    auto blob = ResourceBlob::Parse(*section);
    if (!blob)
        return NoResourceModule;
    return AddResourceModule(std::make_shared<const ResourceBlob>(std::move(*blob)));
}

} // namespace host
