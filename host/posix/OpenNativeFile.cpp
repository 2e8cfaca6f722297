#include "host/std/NativePath.h"

namespace host {

std::FILE* OpenNativeFile(const UniString& utf8, const char* mode) {
    return std::fopen(utf8.ToCString(), mode);
}

} // namespace host
