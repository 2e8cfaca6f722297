#include "host/SharedLibrary.h"

#include <dlfcn.h>

namespace host {

bool SharedLibrary::Load(const std::string& path, std::string& error) {
    Unload();
    handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = ::dlerror();
        error = reason != nullptr ? reason : "cannot load " + path;
        return false;
    }
    return true;
}

void SharedLibrary::Unload() {
    if (handle != nullptr) {
        ::dlclose(handle);
        handle = nullptr;
    }
}

void* SharedLibrary::FindExport(const char* name) const {
    return handle != nullptr ? ::dlsym(handle, name) : nullptr;
}

bool SharedLibrary::IsLoadedAnywhere(const std::string& path) {
    void* loaded = ::dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (loaded != nullptr) {
        ::dlclose(loaded);
    }
    return loaded != nullptr;
}

} // namespace host
