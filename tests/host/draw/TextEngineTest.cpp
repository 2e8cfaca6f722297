#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "host/Bitmap.h"
#include "host/BitmapDevice.h"
#include "host/DrawContext.h"
#include "host/TextEngine.h"
#include "tests/host/draw/Pixels.h"

namespace {

using host::Font;
using host::UniString;

const Font UiFont{"Tahoma", 9.0, Font::StylePlain};
const std::string Ellipsis = "\u2026";

// Fails the test for text that cannot be measured, which includes text that is not valid UTF-8.
double Width(std::string_view text, const Font& font = UiFont) {
    const std::optional<double> width = host::MeasureStringWidth(UniString(text), font);
    EXPECT_TRUE(width.has_value()) << text;
    return width.value_or(0.0);
}

TEST(Metrics, UiFontHasALineOfAboutTwelvePixels) {
    const host::FontMetrics metrics = host::GetFamilyMetrics("Tahoma", 9.0);
    const int lineHeight = static_cast<int>(metrics.ascent + metrics.descent + 2.0);
    EXPECT_GT(metrics.descent, 1.0);
    EXPECT_GE(lineHeight, 13);
    EXPECT_LE(lineHeight, 20);
    EXPECT_GT(host::GetFamilyMetrics("Tahoma", 18.0).ascent, metrics.ascent * 1.5);
    EXPECT_EQ(host::GetFamilyMetrics("Tahoma", 0.0).ascent, 0.0);
}

TEST(Measure, WiderTextMeasuresWider) {
    EXPECT_EQ(Width(""), 0.0);
    const double one = Width("Tarnova");
    EXPECT_GT(one, 20.0);
    EXPECT_GT(Width("Tarnova Tarnova"), 1.8 * one);
    EXPECT_GT(Width("Tarnova", Font{"Tahoma", 18.0, Font::StylePlain}), 1.8 * one);
}

TEST(Measure, FailsForInvalidTextOrFont) {
    EXPECT_FALSE(host::MeasureStringWidth("abc\xC3", UiFont));
    EXPECT_FALSE(host::MeasureStringWidth("abc", Font{"Tahoma", -9.0, 0}));
}

// Accented letters have glyphs of their own, as wide as their base letter, not the wide boxes drawn for
// missing characters.
class HungarianLetter : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(HungarianLetter, MeasuresLikeItsBaseLetter) {
    const auto [accented, base] = GetParam();
    EXPECT_GT(Width(accented), 0.0);
    EXPECT_NEAR(Width(accented), Width(base), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Letters, HungarianLetter,
                         testing::Values(std::pair{"á", "a"}, std::pair{"é", "e"}, std::pair{"í", "i"},
                                         std::pair{"ó", "o"}, std::pair{"ö", "o"}, std::pair{"ő", "o"},
                                         std::pair{"ú", "u"}, std::pair{"ü", "u"}, std::pair{"ű", "u"},
                                         std::pair{"Ő", "O"}, std::pair{"Ű", "U"}));

struct ShortenCase {
    std::string text;
    double fraction; // of the text's own width
};

class ShortenTest : public testing::TestWithParam<ShortenCase> {};

TEST_P(ShortenTest, ResultFitsEndsWithTheEllipsisAndKeepsWholeCharacters) {
    const std::string& original = GetParam().text;
    const double width = std::floor(Width(original) * GetParam().fraction);
    UniString text(original);
    ASSERT_TRUE(host::ShortenString(text, UiFont, width, true));
    const std::string& result = text.ToStdString();
    EXPECT_LE(Width(result), width);
    EXPECT_GT(Width(result), width - Width("MM" + Ellipsis)) << "no more cut than needed: " << result;
    ASSERT_TRUE(result.ends_with(Ellipsis)) << result;
    EXPECT_TRUE(original.starts_with(result.substr(0, result.size() - Ellipsis.size()))) << result;
}

std::string Repeated(std::string_view part, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += part;
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShortenTest,
    testing::Values(ShortenCase{"Tarnova Homlokzatfesték Sima Hófehér", 0.5},
                    ShortenCase{Repeated("ő", 30), 0.3}, ShortenCase{Repeated("űáéíóöőúü", 3), 0.77},
                    ShortenCase{Repeated("a\u20ac\U0001F600", 5), 0.6},
                    ShortenCase{Repeated("e\u0301", 20), 0.5})); // "é" as e and an accent

TEST(Shorten, KeepsCharactersOfSeveralCodePointsWhole) {
    const std::string flag = "\U0001F1ED\U0001F1FA"; // two regional indicators make one character
    const std::string original = Repeated(flag, 12);
    for (double fraction : {0.3, 0.45, 0.6, 0.75}) {
        UniString text(original);
        ASSERT_TRUE(host::ShortenString(text, UiFont, std::floor(Width(original) * fraction), true));
        EXPECT_EQ((text.GetLength() - Ellipsis.size()) % flag.size(), 0u) << fraction;
    }
}

TEST(Shorten, TextThatFitsIsUnchanged) {
    UniString text("Fehér");
    ASSERT_TRUE(host::ShortenString(text, UiFont, Width("Fehér"), true));
    EXPECT_EQ(text, UniString("Fehér"));
}

TEST(Shorten, DropsSpacesBeforeTheEllipsis) {
    UniString text("Tarnova                                        Sima");
    ASSERT_TRUE(host::ShortenString(text, UiFont, Width("Tarnova" + Ellipsis) + 30.0, true));
    EXPECT_EQ(text.ToStdString(), "Tarnova" + Ellipsis);
}

TEST(Shorten, WithoutEllipsisCutsOnly) {
    UniString text("Tarnova Homlokzat");
    ASSERT_TRUE(host::ShortenString(text, UiFont, Width("Tarnova H") + 0.5, false));
    EXPECT_EQ(text.ToStdString(), "Tarnova H");
}

TEST(Shorten, RefusesAndChangesNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [original, width] :
         {std::pair{"Tarnova Homlokzat", Width(Ellipsis) - 1.0}, std::pair{"Tarnova", -1.0},
          std::pair{"Tarnova", nan}, std::pair{"Tarnova Homlokzat\xE2\x82", 20.0}}) {
        UniString text(original);
        EXPECT_FALSE(host::ShortenString(text, UiFont, width, true)) << width;
        EXPECT_EQ(text, UniString(original));
    }
}

TEST(PlainText, HungarianTextLeavesInkInsideTheBoxOnlyOverItsBackground) {
    host::Bitmap bitmap(120, 40);
    host::BitmapDevice(bitmap)
        .ObtainContext(drawtest::Aliased())
        ->DrawPlainText("őű ÁÉ\nŐŰ", host::RealRect(10, 5, 70, 35), UiFont, {0, 0, 0, 255},
                        {255, 255, 225, 255});
    int dark = 0;
    int darkSecondLine = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 120; ++x) {
            const drawtest::Pixel p = drawtest::At(bitmap, x, y);
            if (x < 10 || x >= 70 || y < 5 || y >= 35) {
                ASSERT_EQ(p, drawtest::Pixel{}) << x << "," << y;
            } else if (p.red < 128) {
                ++dark;
                darkSecondLine += y >= 20;
            }
        }
    }
    EXPECT_GT(dark, 40);
    EXPECT_GT(darkSecondLine, 10);
    EXPECT_EQ(drawtest::At(bitmap, 69, 34), (drawtest::Pixel{225, 255, 255, 255}));
}

} // namespace
