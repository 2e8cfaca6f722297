#pragma once

#include <gtest/gtest.h>

#include "host/Toolkit.h"

namespace testsupport {

// Whether the environment names a display at all. A test that needs windows skips only when it
// does not; a display that is named but cannot be reached is a failure.
bool DisplayGiven();

} // namespace testsupport

// Starts the dialog toolkit for a test: skips the test when no display is given, fails it when the
// toolkit cannot start on the display given.
#define TN_START_TOOLKIT()                                                                          \
    do {                                                                                            \
        if (!testsupport::DisplayGiven()) {                                                         \
            GTEST_SKIP() << "no display given (DISPLAY is unset)";                                  \
        }                                                                                           \
        ASSERT_TRUE(host::InitToolkit())                                                            \
            << "the dialog toolkit could not start on the display given (DISPLAY=" << std::getenv("DISPLAY") << ")"; \
    } while (false)

// Skips a test that runs the stand-in host with windows when no display is given.
#define TN_REQUIRE_DISPLAY()                                                                        \
    do {                                                                                            \
        if (!testsupport::DisplayGiven()) {                                                         \
            GTEST_SKIP() << "no display given (DISPLAY is unset)";                                  \
        }                                                                                           \
    } while (false)
