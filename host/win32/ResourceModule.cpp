#include "host/Resources.h"

#include "host/ResourceTypes.h"
#include "host/std/ResourceSource.h"
#include "host/win32/Wide.h"

#include <array>
#include <memory>

namespace host {
namespace {

// The four characters of a resource type, as the resource script names the type.
std::wstring TypeName(std::uint32_t type) {
    std::wstring name;
    for (int shift = 24; shift >= 0; shift -= 8) {
        name += wchar_t(type >> shift & 0xFF);
    }
    return name;
}

// The PE resources of a loaded module, read where the loader mapped them.
class PeResources : public ResourceSource {
public:
    explicit PeResources(HMODULE module) : module(module) {}

    std::optional<std::span<const std::uint8_t>> Find(std::uint32_t type, std::int32_t id) const override {
        if (id <= 0 || id > 0xFFFF) {
            return std::nullopt;
        }
        const std::wstring typeName = TypeName(type);
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), typeName.c_str());
        HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
        const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (bytes == nullptr) {
            return std::nullopt;
        }
        return std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(bytes),
                                             SizeofResource(module, found));
    }

    // Whether the module holds resources of any type the resource compiler writes.
    bool HoldsAny() const {
        constexpr std::array types = {StringListResource,     NumberListResource, IdentificationResource,
                                      VersionResource,        DialogTemplateResource, ItemNameTableResource,
                                      BitmapResource,         IconGroupResource,  DataResource};
        for (const std::uint32_t type : types) {
            const std::wstring typeName = TypeName(type);
            bool any = false;
            EnumResourceNamesW(
                module, typeName.c_str(),
                [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR found) -> BOOL {
                    *reinterpret_cast<bool*>(found) = true;
                    return FALSE;
                },
                reinterpret_cast<LONG_PTR>(&any));
            if (any) {
                return true;
            }
        }
        return false;
    }

private:
    HMODULE module;
};

} // namespace

// Takes no reference to the module: nothing is loaded, so that this may run while the module is
// being attached. The module must stay loaded while it is registered.
ResourceModule RegisterResourceModule(const void* instance) {
    const HMODULE module = ModuleOf(instance);
    if (module == nullptr) {
        return NoResourceModule;
    }
    auto resources = std::make_shared<const PeResources>(module);
    return resources->HoldsAny() ? AddResourceModule(std::move(resources)) : NoResourceModule;
}

} // namespace host
