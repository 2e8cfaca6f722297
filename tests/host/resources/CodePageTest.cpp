#include "host/CodePage.h"

#include <gtest/gtest.h>

namespace {

using host::CodePage;

TEST(CentralEuropean, EveryByteSurvivesTheWayToUtf8AndBack) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    const std::string utf8 = host::ToUtf8(all, CodePage::CentralEuropean);
    EXPECT_EQ(host::FromUtf8(utf8, CodePage::CentralEuropean), all);
}

TEST(CentralEuropean, HungarianLettersHaveTheirBytes) {
    const struct {
        const char* bytes;
        const char* utf8;
    } cases[] = {
        {"\xE1\xE9\xED\xF3\xF6\xF5\xFA\xFC\xFB", "áéíóöőúüű"},
        {"\xC1\xC9\xCD\xD3\xD6\xD5\xDA\xDC\xDB", "ÁÉÍÓÖŐÚÜŰ"},
        {"Sz\xEDnv\xE1laszt\xF3", "Színválasztó"},
        {"\x80 \x8A\x9A \xA3\xB3 \xA9 \xFF", "€ Šš Łł © ˙"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(host::ToUtf8(c.bytes, CodePage::CentralEuropean), c.utf8);
        EXPECT_EQ(host::FromUtf8(c.utf8, CodePage::CentralEuropean), c.bytes);
    }
}

TEST(CentralEuropean, WhatTheCodePageLacksBecomesAQuestionMark) {
    const struct {
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"ñ日😀", "???"},
        {"a\xC3", "a?"},              // cut short
        {"\xC0\xAF", "??"},           // overlong
        {"\xED\xA0\x80", "???"},      // surrogate
        {"\xF4\x90\x80\x80", "????"}, // beyond U+10FFFF
        {"\x80x\xFF", "?x?"},         // stray bytes
    };
    for (const auto& c : cases)
        EXPECT_EQ(host::FromUtf8(c.utf8, CodePage::CentralEuropean), c.bytes) << c.utf8;
}

TEST(SystemCodePage, PassesTextUnchanged) {
    const std::string text = "Színválasztó \xFF";
    EXPECT_EQ(host::ToUtf8(text, host::SystemCodePage), text);
    EXPECT_EQ(host::FromUtf8(text, host::SystemCodePage), text);
}

} // namespace
