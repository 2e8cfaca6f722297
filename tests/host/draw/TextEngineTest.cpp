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

using host::BitmapDevice;
using host::Font;
using host::UniString;

const Font UiFont{"Tahoma", 9.0, Font::StylePlain};
const std::string Ellipsis = "\u2026";

double Width(std::string_view text, const Font& font = UiFont) {
    const std::optional<double> width = host::MeasureStringWidth(UniString(text), font);
    EXPECT_TRUE(width.has_value()) << text;
    return width.value_or(0.0);
}

bool IsValidUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(Metrics, UiFontHasALineOfAboutTwelvePixels) {
    const host::FontMetrics metrics = host::GetFamilyMetrics("Tahoma", 9.0);
    EXPECT_GT(metrics.ascent, 8.0);
    EXPECT_GT(metrics.descent, 1.0);
    const int lineHeight = static_cast<int>(metrics.ascent + metrics.descent + 2.0);
    EXPECT_GE(lineHeight, 13);
    EXPECT_LE(lineHeight, 20);
    EXPECT_GT(host::GetFamilyMetrics("Tahoma", 18.0).ascent, metrics.ascent * 1.5);
}

TEST(Metrics, UnusableSizeGivesZeros) {
    EXPECT_EQ(host::GetFamilyMetrics("Tahoma", 0.0).ascent, 0.0);
    EXPECT_EQ(host::GetFamilyMetrics("Tahoma", std::nan("")).descent, 0.0);
}

TEST(Measure, WiderTextMeasuresWider) {
    EXPECT_EQ(Width(""), 0.0);
    const double one = Width("Tarnova");
    EXPECT_GT(one, 20.0);
    EXPECT_GT(Width("Tarnova Tarnova"), 1.8 * one);
    EXPECT_GT(Width("Tarnova", Font{"Tahoma", 18.0, Font::StylePlain}), 1.8 * one);
    EXPECT_GE(Width("Tarnova", Font{"Tahoma", 9.0, Font::StyleBold}), one);
}

// Hungarian accented letters have glyphs of their own, as wide as their base letter, not the wide
// boxes drawn for missing characters.
class HungarianLetter : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(HungarianLetter, MeasuresLikeItsBaseLetter) {
    const auto [accented, base] = GetParam();
    const double width = Width(accented);
    EXPECT_GT(width, 0.0);
    EXPECT_NEAR(width, Width(base), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Letters, HungarianLetter,
                         testing::Values(std::pair{"á", "a"}, std::pair{"é", "e"}, std::pair{"í", "i"},
                                         std::pair{"ó", "o"}, std::pair{"ö", "o"}, std::pair{"ő", "o"},
                                         std::pair{"ú", "u"}, std::pair{"ü", "u"}, std::pair{"ű", "u"},
                                         std::pair{"Ő", "O"}, std::pair{"Ű", "U"}));

TEST(Measure, FailsForInvalidTextOrFont) {
    EXPECT_FALSE(host::MeasureStringWidth("abc\xC3", UiFont));
    EXPECT_FALSE(host::MeasureStringWidth("\xFF", UiFont));
    EXPECT_FALSE(host::MeasureStringWidth("abc", Font{"Tahoma", 0.0, 0}));
    EXPECT_FALSE(host::MeasureStringWidth("abc", Font{"Tahoma", -9.0, 0}));
}

struct ShortenCase {
    const char* text;
    double fraction; // of the text's own width
};

class ShortenTest : public testing::TestWithParam<ShortenCase> {};

TEST_P(ShortenTest, ResultFitsEndsWithEllipsisAndKeepsWholeCharacters) {
    const std::string original = GetParam().text;
    const double width = std::floor(Width(original) * GetParam().fraction);
    UniString text(original);
    ASSERT_TRUE(host::ShortenString(text, UiFont, width, true));
    const std::string& result = text.ToStdString();
    EXPECT_LE(Width(result), width);
    EXPECT_TRUE(EndsWith(result, Ellipsis)) << result;
    EXPECT_TRUE(IsValidUtf8(result)) << result;
    const std::string kept = result.substr(0, result.size() - Ellipsis.size());
    EXPECT_EQ(original.compare(0, kept.size(), kept), 0) << "a prefix of the original: " << result;
    EXPECT_GT(Width(result), width - Width("MM" + Ellipsis)) << "no more cut than needed: " << result;
}

INSTANTIATE_TEST_SUITE_P(Texts, ShortenTest,
                         testing::Values(ShortenCase{"Tarnova Homlokzatfesték Sima Hófehér", 0.5},
                                         ShortenCase{"őőőőőőőőőőőőőőőőőőőőőőőőőőőő", 0.3},
                                         ShortenCase{"űáéíóöőúüűáéíóöőúüűáéíóöőúü", 0.77},
                                         ShortenCase{"Tarnova 12345678901234567890", 0.9},
                                         ShortenCase{"a\u20ac\U0001F600\u20acb\U0001F600\u20ac\u20ac\u20ac",
                                                     0.6}));

TEST(Shorten, TextThatFitsIsUnchanged) {
    UniString text("Fehér");
    ASSERT_TRUE(host::ShortenString(text, UiFont, Width("Fehér"), true));
    EXPECT_EQ(text, UniString("Fehér"));
    UniString empty;
    ASSERT_TRUE(host::ShortenString(empty, UiFont, 0.0, true));
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(Shorten, NeverPartsALetterFromItsMark) {
    // "é" written as "e" and a combining acute accent.
    std::string original;
    for (int i = 0; i < 20; ++i) {
        original += "e\u0301";
    }
    for (double fraction : {0.25, 0.5, 0.75}) {
        UniString text(original);
        ASSERT_TRUE(host::ShortenString(text, UiFont, std::floor(Width(original) * fraction), true));
        const std::string& result = text.ToStdString();
        EXPECT_EQ(result.find("e" + Ellipsis), std::string::npos) << result;
    }
}

TEST(Shorten, DropsSpacesBeforeTheEllipsis) {
    const std::string original = "Tarnova                                        Sima";
    UniString text(original);
    ASSERT_TRUE(host::ShortenString(text, UiFont, Width("Tarnova" + Ellipsis) + 30.0, true));
    EXPECT_EQ(text.ToStdString(), "Tarnova" + Ellipsis);
}

TEST(Shorten, WithoutEllipsisCutsOnly) {
    UniString text("Tarnova Homlokzat");
    ASSERT_TRUE(host::ShortenString(text, UiFont, Width("Tarnova H") + 0.5, false));
    EXPECT_EQ(text.ToStdString(), "Tarnova H");
    ASSERT_TRUE(host::ShortenString(text, UiFont, 0.0, false));
    EXPECT_TRUE(text.IsEmpty());
}

TEST(Shorten, RefusesAndChangesNothing) {
    const UniString original("Tarnova Homlokzatfesték");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Refusal {
        UniString text;
        Font font;
        double width;
    };
    for (const Refusal& r :
         {Refusal{original, UiFont, Width(Ellipsis) - 1.0}, Refusal{original, UiFont, -1.0},
          Refusal{original, UiFont, nan}, Refusal{original, Font{"Tahoma", 0.0, 0}, 50.0},
          Refusal{UniString("Tarnova Homlokzat\xE2\x82"), UiFont, 20.0}}) {
        UniString text = r.text;
        EXPECT_FALSE(host::ShortenString(text, r.font, r.width, true)) << r.width;
        EXPECT_EQ(text, r.text);
    }
}

TEST(PlainText, HungarianTextLeavesInkInsideTheBox) {
    host::Bitmap bitmap(120, 40);
    const host::Colour ink{0, 0, 0, 255};
    const host::Colour back{255, 255, 225, 255};
    BitmapDevice(bitmap)
        .ObtainContext(drawtest::Aliased())
        ->DrawPlainText("őű ÁÉ", host::RealRect(10, 5, 70, 25), UiFont, ink, back);
    int dark = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 120; ++x) {
            const drawtest::Pixel p = drawtest::At(bitmap, x, y);
            const bool inBox = x >= 10 && x < 70 && y >= 5 && y < 25;
            if (!inBox) {
                ASSERT_TRUE(drawtest::IsBlank(p)) << x << "," << y;
            } else if (p.red < 128) {
                ++dark;
            } else {
                EXPECT_EQ(p.alpha, 255);
            }
        }
    }
    EXPECT_GT(dark, 20);
    EXPECT_EQ(drawtest::At(bitmap, 69, 24), (drawtest::Pixel{225, 255, 255, 255}))
        << "background fills the box";
}

drawtest::Ink TextInk(int options, const char* text = "Szín") {
    host::Bitmap bitmap(200, 60);
    BitmapDevice(bitmap)
        .ObtainContext(drawtest::Aliased())
        ->DrawPlainText(text, host::RealRect(0, 0, 200, 60), UiFont, {0, 0, 0, 255}, {0, 0, 0, 0}, options);
    return drawtest::FindInk(bitmap);
}

TEST(PlainText, AlignmentAndLineBreaks) {
    const drawtest::Ink left = TextInk(host::DrawContext::TextAlignLeft);
    const drawtest::Ink centre = TextInk(host::DrawContext::TextAlignCentre);
    const drawtest::Ink right = TextInk(host::DrawContext::TextAlignRight);
    EXPECT_LT(left.left, 5);
    EXPECT_NEAR((centre.left + centre.right) / 2.0, 100.0, 4.0);
    EXPECT_GT(right.right, 194);
    const drawtest::Ink twoLines = TextInk(host::DrawContext::TextAlignLeft, "Szín\nSzín");
    EXPECT_GT(twoLines.bottom - twoLines.top, 2 * (left.bottom - left.top));
}

} // namespace
