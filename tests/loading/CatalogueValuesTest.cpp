#include "loading/CatalogueValues.h"
#include "loading/ColourAmount.h"
#include "support/TempFolder.h"

#include "DecimalComma.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct ShortCase {
    const char* text;
    std::int16_t value;
};

class ShortValues : public ::testing::TestWithParam<ShortCase> {};

TEST_P(ShortValues, ReadAsScanfReadsAShort) {
    EXPECT_EQ(ParseShort(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(CatalogueValues, ShortValues,
                         ::testing::Values(ShortCase{"12", 12}, ShortCase{"12abc", 12}, ShortCase{"abc", 0},
                                           ShortCase{" -1", -1}, ShortCase{"\t\n+7", 7}, ShortCase{"", 0},
                                           ShortCase{"-", 0}, ShortCase{"- 5", 0}, ShortCase{"+-5", 0},
                                           ShortCase{"0x1F", 0}, ShortCase{"007", 7}, ShortCase{"1 2", 1},
                                           ShortCase{"255.9", 255}, ShortCase{"32767", 32767},
                                           ShortCase{"40000", 32767}, ShortCase{"-32768", -32768},
                                           ShortCase{"-99999999999999999999", -32768},
                                           ShortCase{"\xC2\xA0"
                                                     "5",
                                                     0}));

struct FractionCase {
    const char* text;
    float value;
};

class FractionValues : public ::testing::TestWithParam<FractionCase> {};

TEST_P(FractionValues, ReadAsScanfReadsAFloat) {
    EXPECT_FLOAT_EQ(ParseFraction(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(CatalogueValues, FractionValues,
                         ::testing::Values(FractionCase{"0.6", 0.6f}, FractionCase{" .5", 0.5f},
                                           FractionCase{"+0.25x", 0.25f}, FractionCase{"-0.5", -0.5f},
                                           FractionCase{"6e-1", 0.6f}, FractionCase{"1", 1.0f},
                                           FractionCase{"abc", 0.0f}, FractionCase{"", 0.0f},
                                           FractionCase{"--1", 0.0f}, FractionCase{"0,6", 0.0f},
                                           FractionCase{"1e99", 0.0f}));

TEST(CatalogueValues, FractionsIgnoreTheProcessLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    testsupport::TempFolder folder;
    const bool switched = UseDecimalCommaLocale(folder);
    const float value = ParseFraction("0.6");
    std::setlocale(LC_NUMERIC, previous.c_str());
    ASSERT_TRUE(switched) << "no locale with a decimal comma (Debian's locales package has them)";
    EXPECT_FLOAT_EQ(value, 0.6f);
}

TEST(CatalogueValues, FlagsAreTrueOnlyForTrueInAnyCase) {
    for (const char* text : {"true", "TRUE", "True", "tRuE"}) {
        EXPECT_TRUE(ParseFlag(text)) << text;
    }
    for (const char* text : {"yes", "1", "false", "", " true", "true ", "truee", "tru"}) {
        EXPECT_FALSE(ParseFlag(text)) << text;
    }
}

TEST(CatalogueValues, Utf8KeepsEveryCharacter) {
    EXPECT_EQ(ToUtf8(u"Hóvirág"), "H\xC3\xB3vir\xC3\xA1g");
    EXPECT_EQ(ToUtf8(u"\u0151\u20AC"), "\xC5\x91\xE2\x82\xAC");
    EXPECT_EQ(ToUtf8(u"\U0001F3A8"), "\xF0\x9F\x8E\xA8");
    EXPECT_EQ(ToUtf8(u""), "");
}

TEST(CatalogueValues, UnpairedSurrogatesBecomeReplacementCharacters) {
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(ToUtf8(lone), "a\xEF\xBF\xBD"
                            "b\xEF\xBF\xBD");
}

TEST(CatalogueValues, LongValuesAreCutAtACharacterBoundary) {
    EXPECT_EQ(ToUtf8(std::u16string(300, u'x'), MaxValueLength), std::string(255, 'x'));
    // 254 bytes, then a two-byte letter that would end at byte 256.
    const std::string cut = ToUtf8(std::u16string(254, u'x') + u"\u0151", MaxValueLength);
    EXPECT_EQ(cut, std::string(254, 'x'));
    const std::string fits = ToUtf8(std::u16string(253, u'x') + u"\u0151y", MaxValueLength);
    EXPECT_EQ(fits, std::string(253, 'x') + "\xC5\x91");
    const std::string fourByte = ToUtf8(std::u16string(252, u'x') + u"\U0001F3A8", MaxValueLength);
    EXPECT_EQ(fourByte, std::string(252, 'x'));
}

struct AmountCase {
    float fraction;
    int amount;
};

class ColourAmounts : public ::testing::TestWithParam<AmountCase> {};

TEST_P(ColourAmounts, KeepTheLowBitsOfTheTruncatedProduct) {
    EXPECT_EQ(ColourAmountFromFraction(GetParam().fraction), GetParam().amount);
}

INSTANTIATE_TEST_SUITE_P(ColourAmount, ColourAmounts,
                         ::testing::Values(AmountCase{0.6f, 153}, AmountCase{0.0f, 0},
                                           AmountCase{0.999f, 255}, AmountCase{1.0f, 0},
                                           AmountCase{1.5f, 128}, AmountCase{-0.5f, 128},
                                           AmountCase{-0.001f, 0}, AmountCase{1e30f, 0},
                                           AmountCase{std::numeric_limits<float>::infinity(), 0},
                                           AmountCase{std::numeric_limits<float>::quiet_NaN(), 0}));

} // namespace
