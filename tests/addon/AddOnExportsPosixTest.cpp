// The add-on library exports the two exchange functions and nothing else, as the dynamic
// symbol table of the built file says.

#include "LoadedAddOn.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

TEST(AddOnExportsTest, OnlyTheTwoExchangeFunctionsAreExported) {
    const std::string command = "nm -D --defined-only '" + LoadedAddOn::BuiltLibrary().string() + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> names;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        char name[1024] = {};
        if (std::sscanf(line, "%*s %*s %1023s", name) == 1) {
            names.insert(name);
        }
    }
    ASSERT_EQ(::pclose(pipe), 0);
    EXPECT_EQ(names, (std::set<std::string>{"GetExportedFuncAddrs", "SetImportedFuncAddrs"}));
}

} // namespace
