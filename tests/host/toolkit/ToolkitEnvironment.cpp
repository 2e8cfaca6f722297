#include "host/Toolkit.h"

#include <gtest/gtest.h>

namespace {

// Starts the toolkit before any test object exists: fixtures build their dialogs as members, and
// ctest runs every test in a process of its own.
class ToolkitEnvironment : public ::testing::Environment {
public:
    void SetUp() override { host::InitToolkit(); }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

} // namespace
