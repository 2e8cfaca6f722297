#include "host/Windows.h"

#include <windows.h>

namespace host {

std::uint32_t RegisterWindowMessageA(const char* name) {
    return name == nullptr || *name == '\0' ? 0 : ::RegisterWindowMessageA(name);
}

} // namespace host
