#include "dialog/WebAddress.h"

#include <gtest/gtest.h>

namespace {

TEST(WebAddress, OnlyAbsoluteWebAndMailAddressesMayBeOpened) {
    for (const char* openable : {"http://tarnova.example", "https://www.tarnova.example/szinek?q=1",
                                 "HTTPS://TARNOVA.EXAMPLE", "mailto:info@tarnova.example"}) {
        EXPECT_TRUE(IsOpenableWebAddress(openable)) << openable;
    }
    for (const char* refused :
         {"", "www.tarnova.example", "file:///etc/passwd", "/usr/bin/xterm", "javascript:alert(1)",
          "https://", "http:///etc/passwd", "mailto:", "https://tarnova.example/a b",
          "https://tarnova.example/\n", "smb://server/share", "C:\\Windows\\notepad.exe"}) {
        EXPECT_FALSE(IsOpenableWebAddress(refused)) << refused;
    }
}

} // namespace
