#pragma once

namespace host {

// Writes a line of debug output where the platform's debugger or console reads it; each platform
// says where. The foundation library's DebugOutput sends here while no host sink is set.
void WriteSystemDebugOutput(const char* text);

} // namespace host
