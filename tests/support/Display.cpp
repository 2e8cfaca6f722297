#include "support/Display.h"

#include <cstdlib>

namespace testsupport {

bool DisplayGiven() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0';
}

} // namespace testsupport
