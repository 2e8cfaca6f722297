#pragma once

#include <cstdint>

namespace host {

// The system's own "open" of `file` (not empty), as ShellExecuteA answers it: above 32 when it was
// opened. Each platform opens in its own way.
std::intptr_t SystemShellOpen(void* owner, const char* file, int showCommand);

} // namespace host
