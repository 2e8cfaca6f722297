#include "host/DebugOutput.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(DebugOutput, ASinkReceivesTheTextAndClearingItRestoresStandardError) {
    std::string captured;
    const auto before = host::SetDebugOutputSink([&captured](std::string_view text) { captured += text; });
    host::DebugOutput("Abnormal add-on termination (\"/x/tarnova.so\")\n");
    host::DebugOutput(nullptr);
    EXPECT_EQ(captured, "Abnormal add-on termination (\"/x/tarnova.so\")\n");

    const auto mine = host::SetDebugOutputSink({});
    EXPECT_TRUE(mine);
    ::testing::internal::CaptureStderr();
    host::DebugOutput("to the error stream\n");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "to the error stream\n");
    EXPECT_EQ(captured, "Abnormal add-on termination (\"/x/tarnova.so\")\n");
    host::SetDebugOutputSink(before);
}

} // namespace
