#include "host/ResourceTypes.h"
#include "host/Resources.h"
#include "host/std/ResourceSource.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace host {
namespace {

// The registered modules and the active one. Module numbers are never reused, so a number that
// outlives its module finds nothing.
class ResourceManager {
public:
    static ResourceManager& Get() {
        static auto* manager = new ResourceManager;
        return *manager;
    }

    ResourceModule Add(std::shared_ptr<const ResourceSource> blob) {
        std::lock_guard lock(mutex);
        const ResourceModule module = nextModule++;
        modules.emplace(module, std::move(blob));
        return module;
    }

    void Remove(ResourceModule module) {
        std::lock_guard lock(mutex);
        modules.erase(module);
    }

    ResourceModule Use(ResourceModule module) {
        std::lock_guard lock(mutex);
        return std::exchange(active, module);
    }

    ResourceModule Active() {
        std::lock_guard lock(mutex);
        return active;
    }

    std::shared_ptr<const ResourceSource> ActiveBlob() {
        std::lock_guard lock(mutex);
        const auto found = modules.find(active);
        return found == modules.end() ? nullptr : found->second;
    }

private:
    std::mutex mutex;
    std::map<ResourceModule, std::shared_ptr<const ResourceSource>> modules;
    ResourceModule active = NoResourceModule;
    ResourceModule nextModule = 1;
};

} // namespace

ResourceModule AddResourceModule(std::shared_ptr<const ResourceSource> source) {
    return ResourceManager::Get().Add(std::move(source));
}

void RemoveResourceModule(ResourceModule module) {
    ResourceManager::Get().Remove(module);
}

ResourceModule UseResourceModule(ResourceModule module) {
    return ResourceManager::Get().Use(module);
}

ResourceModule GetActiveResourceModule() {
    return ResourceManager::Get().Active();
}

bool GetResourceString(std::string& out, std::int32_t listId, std::int32_t item) {
    const auto blob = ResourceManager::Get().ActiveBlob();
    const auto list = blob ? blob->Find(StringListResource, listId) : std::nullopt;
    if (!list || list->size() < 4 || item < 1)
        return false;
    const std::uint64_t count = std::uint64_t((*list)[0]) | std::uint64_t((*list)[1]) << 8 |
                                std::uint64_t((*list)[2]) << 16 | std::uint64_t((*list)[3]) << 24;
    if (count > list->size() - 4)
        return false;
    const auto* text = reinterpret_cast<const char*>(list->data() + 4);
    std::size_t pos = 0;
    for (std::int32_t i = 1; pos < count; ++i) {
        const std::size_t length = ::strnlen(text + pos, count - pos);
        if (length == count - pos)
            return false; // the last string lacks its terminating NUL
        if (i == item) {
            out.assign(text + pos, length);
            return true;
        }
        pos += length + 1;
    }
    return false;
}

MemHandle LoadResource(std::uint32_t type, std::int32_t id) {
    const auto blob = ResourceManager::Get().ActiveBlob();
    const auto bytes = blob ? blob->Find(type, id) : std::nullopt;
    if (!bytes)
        return nullptr;
    MemHandle handle = NewHandle(bytes->size());
    std::memcpy(GetHandleData(handle), bytes->data(), bytes->size());
    return handle;
}

} // namespace host
