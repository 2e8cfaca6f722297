#include "host/std/SystemShellOpen.h"

#include <gio/gio.h>

namespace host {

// The desktop's opener for the address, through GIO.
std::intptr_t SystemShellOpen(void*, const char* file, int) {
    GError* error = nullptr;
    const bool launched = g_app_info_launch_default_for_uri(file, nullptr, &error);
    if (error)
        g_error_free(error);
    return launched ? 42 : 31;
}

} // namespace host
