#include "host/std/SystemDebugOutput.h"

#include <cstdio>

namespace host {

void WriteSystemDebugOutput(const char* text) {
    std::fputs(text, stderr);
    std::fflush(stderr);
}

} // namespace host
