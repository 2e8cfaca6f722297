#include "host/std/NativePath.h"

#include "host/win32/Wide.h"

namespace host {

std::FILE* OpenNativeFile(const UniString& utf8, const char* mode) {
    return _wfopen(Widen(utf8.ToStdString()).c_str(), Widen(mode).c_str());
}

} // namespace host
