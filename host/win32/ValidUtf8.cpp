#include "host/std/ValidUtf8.h"

#include "host/win32/Wide.h"

namespace host {

// Windows replaces every malformed sequence with U+FFFD on the way to UTF-16.
std::string ValidUtf8(std::string_view text) {
    return Narrow(Widen(text));
}

} // namespace host
