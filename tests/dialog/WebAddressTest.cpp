#include "dialog/WebAddress.h"

#include <gtest/gtest.h>

namespace {

TEST(WebAddress, WebAndMailAddressesOpenAndABareWwwHostOpensAsHttp) {
    const std::pair<const char*, const char*> opened[] = {
        {"http://tarnova.example", "http://tarnova.example"},
        {"https://www.tarnova.example/szinek?q=1", "https://www.tarnova.example/szinek?q=1"},
        {"HTTPS://TARNOVA.EXAMPLE", "HTTPS://TARNOVA.EXAMPLE"},
        {"mailto:info@tarnova.example", "mailto:info@tarnova.example"},
        {"www.tarnova.example", "http://www.tarnova.example"},
        {"WWW.tarnova.example/szinek", "http://WWW.tarnova.example/szinek"}};
    for (const auto& [link, address] : opened) {
        EXPECT_EQ(WebAddressToOpen(link), std::optional<std::string>(address)) << link;
    }
}

TEST(WebAddress, NothingElseEverReachesTheShell) {
    for (const char* refused :
         {"", "tarnova.example", "www.", "www.x:1@evil", "www.x\\..\\notepad.exe", "file:///etc/passwd",
          "/usr/bin/xterm", "javascript:alert(1)", "https://", "http:///etc/passwd", "mailto:",
          "https://tarnova.example/a b", "https://tarnova.example/\n", "smb://server/share",
          "C:\\Windows\\notepad.exe"}) {
        EXPECT_EQ(WebAddressToOpen(refused), std::nullopt) << refused;
    }
}

} // namespace
