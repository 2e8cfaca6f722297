#include "host/Toolkit.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Starts the toolkit before any test object exists: fixtures build their dialogs as members, and
// ctest runs every test in a process of its own.
class ToolkitEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // The accessibility bridge keeps process-long allocations that the leak checker would
        // report; these tests have no use for it.
        ::setenv("NO_AT_BRIDGE", "1", 0);
        host::InitToolkit();
    }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

} // namespace
