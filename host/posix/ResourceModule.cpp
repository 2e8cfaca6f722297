#include "host/Resources.h"

#include "host/elf/ElfResources.h"
#include "host/posix/ModulePath.h"

namespace host {

ResourceModule RegisterResourceModule(const void* instance) {
    const std::string path = ModulePath(instance);
    return path.empty() ? NoResourceModule : RegisterResourceFile(path.c_str());
}

} // namespace host
