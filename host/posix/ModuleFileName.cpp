#include "host/Windows.h"
#include "host/posix/ModulePath.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <string>
#include <unistd.h>

namespace host {
namespace {

std::string ExecutablePath() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    return length > 0 && std::size_t(length) < sizeof path ? std::string(path, std::size_t(length)) : "";
}

} // namespace

std::string ModulePath(const void* instance) {
    if (!instance)
        return ExecutablePath();
    Dl_info info{};
    link_map* module = nullptr;
    if (!::dladdr1(instance, &info, reinterpret_cast<void**>(&module), RTLD_DL_LINKMAP) || !module)
        return "";
    // The executable's own entry carries no name.
    if (!module->l_name || !*module->l_name)
        return ExecutablePath();
    char resolved[PATH_MAX];
    return ::realpath(module->l_name, resolved) ? std::string(resolved) : std::string(module->l_name);
}

std::uint32_t GetModuleFileNameA(const void* instance, char* buffer, std::uint32_t size) {
    if (!buffer || size == 0)
        return 0;
    const std::string path = ModulePath(instance);
    if (path.size() >= size) {
        std::memcpy(buffer, path.data(), size - 1);
        buffer[size - 1] = '\0';
        return size;
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return std::uint32_t(path.size());
}

} // namespace host
