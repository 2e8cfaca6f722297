#include "host/Windows.h"

#include "host/std/SystemColourOverrides.h"

#include <windows.h>

namespace host {

std::uint32_t GetSysColor(int index) {
    if (index < 0 || index >= SystemColourCount)
        return 0;
    return SystemColourOverride(index).value_or(std::uint32_t(::GetSysColor(index)));
}

} // namespace host
