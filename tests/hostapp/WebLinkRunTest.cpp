// The web-link button through the stand-in host: what reaches the shell's "open".

#include "HostRun.h"
#include "TestCatalogue.h"
#include "support/Display.h"

#include <gtest/gtest.h>

namespace {

struct WebLinkCase {
    const char* what;
    const char* link;
    std::vector<std::string> opened;
};

void PrintTo(const WebLinkCase& c, std::ostream* out) {
    *out << c.what;
}

class WebLinkRunTest : public ::testing::TestWithParam<WebLinkCase> {};

TEST_P(WebLinkRunTest, TheButtonOpensOnlyWebAddresses) {
    TN_REQUIRE_DISPLAY();
    const WebLinkCase& c = GetParam();
    const AddOnFolder addOn("");
    addOn.GetFolder().Write("colours.xml", SmallCatalogue(addOn.GetFolder(), c.link));
    const testsupport::TempFolder work;
    const HostRun run = RunHost(addOn, "menu\nweblink\nclose\n", work);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.report["webLinks"].Strings(), c.opened);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WebLinkRunTest,
    ::testing::Values(WebLinkCase{"BareWwwHost", "www.tarnova.example", {"http://www.tarnova.example"}},
                      WebLinkCase{"Https", "https://tarnova.example/szinek", {"https://tarnova.example/szinek"}},
                      WebLinkCase{"LocalFile", "file:///etc/passwd", {}},
                      WebLinkCase{"Program", "/usr/bin/xterm", {}},
                      WebLinkCase{"WindowsProgram", "C:\\Windows\\System32\\cmd.exe", {}}),
    [](const ::testing::TestParamInfo<WebLinkCase>& info) { return info.param.what; });

} // namespace
