#include "host/Windows.h"

namespace host {

std::uint32_t RegisterWindowMessageA(const char* name) {
    if (!name || !*name)
        return 0;
    // FNV-1a over the name with ASCII letters folded to lower case.
    std::uint32_t hash = 2166136261u;
    for (const char* c = name; *c; ++c) {
        const char folded = (*c >= 'A' && *c <= 'Z') ? char(*c - 'A' + 'a') : *c;
        hash = (hash ^ std::uint8_t(folded)) * 16777619u;
    }
    return 0xC000 + hash % 0x4000;
}

} // namespace host
