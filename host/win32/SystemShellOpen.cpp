#include "host/std/SystemShellOpen.h"

#include <windows.h>

#include <shellapi.h>

namespace host {

std::intptr_t SystemShellOpen(void* owner, const char* file, int showCommand) {
    return reinterpret_cast<std::intptr_t>(
        ::ShellExecuteA(static_cast<HWND>(owner), "open", file, nullptr, nullptr, showCommand));
}

} // namespace host
