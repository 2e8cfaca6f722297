#pragma once

#include "host/UniString.h"

namespace host {

// A font of the text engine. The family is matched by the system's font configuration, which takes
// the nearest installed family when the named one is missing (an empty family means the default
// one). The size is in points at 96 pixels per inch: size 9 is 12 pixels.
struct Font {
    static constexpr int StylePlain = 0;
    static constexpr int StyleBold = 1;
    static constexpr int StyleItalic = 2;

    UniString family;
    double size = 0.0;
    int style = StylePlain; // StyleBold and StyleItalic combined; other bits are ignored
};

} // namespace host
