#include "host/DebugOutput.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(DebugOutput, ASinkReceivesTheTextUntilItIsCleared) {
    std::string captured;
    const auto before = host::SetDebugOutputSink([&captured](std::string_view text) { captured += text; });
    host::DebugOutput("Abnormal add-on termination (\"/x/tarnova.so\")\n");
    host::DebugOutput(nullptr);
    EXPECT_EQ(captured, "Abnormal add-on termination (\"/x/tarnova.so\")\n");

    const auto mine = host::SetDebugOutputSink({});
    EXPECT_TRUE(mine);
    host::DebugOutput("to the system's debug output\n");
    EXPECT_EQ(captured, "Abnormal add-on termination (\"/x/tarnova.so\")\n");
    host::SetDebugOutputSink(before);
}

} // namespace
