#pragma once

// The appending rule's cases, checked on each platform with that platform's paths.

#include "host/FileLocation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string PathOf(const host::FileLocation& location) {
    host::UniString path;
    return location.GetPathString(path) == host::NoError ? path.ToStdString() : "<none>";
}

struct AppendCase {
    const char* start;
    std::string name;
    host::Result result;
    const char* after;
};

class AppendName : public ::testing::TestWithParam<AppendCase> {};

TEST_P(AppendName, AddsOneComponentOrRefusesAndLeavesTheLocation) {
    const AppendCase& c = GetParam();
    host::FileLocation location(c.start);
    EXPECT_EQ(location.AppendName(host::UniString(std::string_view(c.name))), c.result);
    EXPECT_EQ(PathOf(location), c.after);
}

} // namespace
