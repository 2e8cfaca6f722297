#include "host/std/SystemDebugOutput.h"

#include <windows.h>

namespace host {

void WriteSystemDebugOutput(const char* text) {
    OutputDebugStringA(text);
}

} // namespace host
