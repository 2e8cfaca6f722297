#include "ThreadClock.h"

#include <chrono>

namespace benchsupport {

double ThreadSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace benchsupport
