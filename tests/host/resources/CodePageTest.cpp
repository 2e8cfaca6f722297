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

// The programs make UTF-8 their code page (on Windows through their manifest, whatever the
// system's own), so narrow texts carry every character and pass unchanged.
TEST(SystemCodePage, IsUtf8AndPassesTextUnchanged) {
    EXPECT_EQ(host::SystemCodePage(), CodePage::Utf8);
    const std::string text = "Színválasztó őű \xFF";
    EXPECT_EQ(host::ToUtf8(text, host::SystemCodePage()), text);
    EXPECT_EQ(host::FromUtf8(text, host::SystemCodePage()), text);
}

TEST(CodePage, TextIsCutOnlyBetweenCharacters) {
    const std::string utf8 = "a\xC5\x91\xE2\x82\xAC"; // a, ő, €
    for (const auto& [at, boundary] : std::vector<std::pair<std::size_t, std::size_t>>{
             {0, 0}, {1, 1}, {2, 1}, {3, 3}, {4, 3}, {5, 3}, {6, 6}, {99, 6}}) {
        EXPECT_EQ(host::CharacterBoundary(utf8, CodePage::Utf8, at), boundary) << at;
    }
    EXPECT_EQ(host::CharacterBoundary("a\xF5\x80", CodePage::CentralEuropean, 2), 2u);
}

} // namespace
