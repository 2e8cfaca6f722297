#include "loading/ModuleLocation.h"

#include "host/AddOnInterface.h"
#include "host/CodePage.h"
#include "host/Windows.h"

#include <algorithm>
#include <cstring>
#include <string>

char modulePath[ModulePathCapacity] = {};
host::FileLocation textureLibraryFolder;

namespace {
// Made from modulePath on first use and again whenever the recorded path changes.
struct OwnLocation {
    std::string madeFrom;
    host::FileLocation location;
    bool made = false;
};
OwnLocation ownLocation;
} // namespace

void ComputeModulePath(const void* instance) {
    char buffer[ModulePathCapacity] = {};
    host::GetModuleFileNameA(instance, buffer, ModulePathCapacity);
    SetModulePath(buffer);
}

void SetModulePath(std::string_view path) {
    const std::size_t length = std::min(path.size(), ModulePathCapacity - 1);
    std::memcpy(modulePath, path.data(), length);
    modulePath[length] = '\0';
}

host::Result GetOwnLocation(host::FileLocation& location) {
    if (!ownLocation.made || ownLocation.madeFrom != modulePath) {
        ownLocation.madeFrom = modulePath;
        // The path comes in the system's code page; locations hold UTF-8.
        ownLocation.location = host::FileLocation(host::ToUtf8(ownLocation.madeFrom, host::SystemCodePage()));
        ownLocation.made = true;
    }
    if (!ownLocation.location.IsValid()) {
        location.Clear();
        return host::addon::ErrBadLocation;
    }
    location = ownLocation.location;
    return host::NoError;
}
