#include "host/Windows.h"

#include "host/win32/Wide.h"

namespace host {

std::uint32_t GetModuleFileNameA(const void* instance, char* buffer, std::uint32_t size) {
    if (!buffer || size == 0)
        return 0;
    buffer[0] = '\0';
    const HMODULE module = ModuleOf(instance);
    if (module == nullptr)
        return 0;
    const DWORD length = ::GetModuleFileNameA(module, buffer, size);
    // Windows older than Vista left a path that filled the buffer without its NUL.
    buffer[length < size ? length : size - 1] = '\0';
    return length;
}

} // namespace host
