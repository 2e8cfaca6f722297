#include "host/DebugOutput.h"

#include <gtest/gtest.h>

namespace {

// Without a sink, debug output goes to the standard error stream here.
TEST(DebugOutput, WithoutASinkTheTextGoesToStandardError) {
    const auto before = host::SetDebugOutputSink({});
    ::testing::internal::CaptureStderr();
    host::DebugOutput("to the error stream\n");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "to the error stream\n");
    host::SetDebugOutputSink(before);
}

} // namespace
