#include "catalogue/ColourMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>

namespace {

struct DeltaEPair {
    ColourVector first;
    ColourVector second;
    double expected;
};

std::ostream& operator<<(std::ostream& out, const DeltaEPair& pair) {
    return out << "(" << pair.first.x << ", " << pair.first.y << ", " << pair.first.z << ") vs ("
               << pair.second.x << ", " << pair.second.y << ", " << pair.second.z << ")";
}

// Table 1 of Sharma, Wu and Dalal (2005), all 34 pairs.
const DeltaEPair sharmaPairs[] = {
    {{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
    {{50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, 2.8615},
    {{50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, 3.4412},
    {{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, 1.0000},
    {{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
    {{50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, 2.3669},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, 7.1792},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
    {{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, 7.2195},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, 4.8045},
    {{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
    {{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
    {{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
    {{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
    {{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, 1.0000},
    {{50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, 1.0000},
    {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
    {{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
    {{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
    {{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
    {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
    {{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
    {{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
    {{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
    {{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
    {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
};

// The published differences are rounded to four decimals, so an exact implementation lies within
// 0.5e-4 of them; 1e-4 leaves the rest for rounding in double arithmetic and still fails any wrong
// term, since a wrong term moves at least one of the 34 pairs by far more.
constexpr double publishedTolerance = 1e-4;

class SharmaPairs : public testing::TestWithParam<DeltaEPair> {};

TEST_P(SharmaPairs, MatchesPublishedDifference) {
    const DeltaEPair& pair = GetParam();
    EXPECT_NEAR(DeltaE2000(pair.first, pair.second), pair.expected, publishedTolerance);
}

TEST_P(SharmaPairs, IsSymmetric) {
    const DeltaEPair& pair = GetParam();
    EXPECT_NEAR(DeltaE2000(pair.second, pair.first), pair.expected, publishedTolerance);
    EXPECT_NEAR(DeltaE2000(pair.second, pair.first), DeltaE2000(pair.first, pair.second), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(ColourMath, SharmaPairs, testing::ValuesIn(sharmaPairs));

TEST(DeltaE2000, OfAColourWithItselfIsZero) {
    for (const DeltaEPair& pair : sharmaPairs) {
        EXPECT_EQ(DeltaE2000(pair.first, pair.first), 0.0) << pair;
        EXPECT_EQ(DeltaE2000(pair.second, pair.second), 0.0) << pair;
    }
}

TEST(DeltaE2000, GreysDifferOnlyByLightnessWeight) {
    // L 40 and 70: mean 55, SL = 1 + 0.015 * 25 / sqrt(45).
    const double sl = 1.0 + 0.015 * 25.0 / std::sqrt(45.0);
    EXPECT_NEAR(DeltaE2000({40.0, 0.0, 0.0}, {70.0, 0.0, 0.0}), 30.0 / sl, 1e-12);
    EXPECT_NEAR(DeltaE2000({70.0, 0.0, 0.0}, {40.0, 0.0, 0.0}), 30.0 / sl, 1e-12);
    // Around L 50 the lightness weight is 1.
    EXPECT_NEAR(DeltaE2000({45.0, 0.0, 0.0}, {55.0, 0.0, 0.0}), 10.0, 1e-12);
}

ColourVector LabAtHue(double chroma, double hueDegrees) {
    const double radians = hueDegrees * std::numbers::pi / 180.0;
    return {50.0, chroma * std::cos(radians), chroma * std::sin(radians)};
}

TEST(DeltaE2000, HuesAcrossZeroAreTwentyDegreesApartInEitherOrder) {
    const ColourVector at350 = LabAtHue(30.0, 350.0);
    const ColourVector at10 = LabAtHue(30.0, 10.0);
    const double forward = DeltaE2000(at350, at10);
    EXPECT_NEAR(DeltaE2000(at10, at350), forward, 1e-12);
    // The same two hues seen as 340 degrees apart would use a mean hue of 180 degrees; the true
    // mean hue is 0, which weights hue differences like the pair at 5 and 25 degrees does rather
    // than the pair at 170 and 190.
    const double nearZero = DeltaE2000(LabAtHue(30.0, 5.0), LabAtHue(30.0, 25.0));
    const double near180 = DeltaE2000(LabAtHue(30.0, 170.0), LabAtHue(30.0, 190.0));
    EXPECT_LT(std::fabs(forward - nearZero), std::fabs(forward - near180));
}

TEST(DeltaE2000, IsContinuousAsAPairRotatesThroughZeroHue) {
    // A pair 20 degrees apart, turned so that its first hue passes 0 degrees.
    for (double chroma : {5.0, 30.0, 80.0}) {
        for (double step : {1e-3, -1e-3}) {
            const double justBelow = DeltaE2000(LabAtHue(chroma, -step), LabAtHue(chroma, 20.0 - step));
            const double justAbove = DeltaE2000(LabAtHue(chroma, step), LabAtHue(chroma, 20.0 + step));
            EXPECT_NEAR(justBelow, justAbove, 1e-3) << "chroma " << chroma;
            const double reversedBelow = DeltaE2000(LabAtHue(chroma, 20.0 - step), LabAtHue(chroma, -step));
            EXPECT_NEAR(reversedBelow, justBelow, 1e-12) << "chroma " << chroma;
        }
    }
}

void ExpectVectorNear(const ColourVector& actual, const ColourVector& expected, double tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(SrgbToXyz, BlackAndWhiteGiveZeroAndTheMatrixRowSums) {
    ExpectVectorNear(SrgbToXyz({0.0, 0.0, 0.0}), {0.0, 0.0, 0.0}, 0.0);
    ExpectVectorNear(SrgbToXyz({255.0, 255.0, 255.0}), {0.9505, 1.0, 1.089}, 1e-12);
}

TEST(SrgbToXyz, LinearisesEachSideOfTheTransferThreshold) {
    // Linear light of 8-bit grey levels: 10 lies on the linear segment, 11 and 128 on the power curve.
    EXPECT_NEAR(SrgbToXyz({10.0, 10.0, 10.0}).y, 0.0030353, 1e-7);
    EXPECT_NEAR(SrgbToXyz({11.0, 11.0, 11.0}).y, 0.0033465, 1e-7);
    EXPECT_NEAR(SrgbToXyz({128.0, 128.0, 128.0}).y, 0.2158605, 1e-7);
}

TEST(SrgbToXyz, KeepsChannelsApart) {
    ExpectVectorNear(SrgbToXyz({255.0, 0.0, 0.0}), {0.4124, 0.2126, 0.0193}, 1e-12);
    ExpectVectorNear(SrgbToXyz({0.0, 255.0, 0.0}), {0.3576, 0.7152, 0.1192}, 1e-12);
    ExpectVectorNear(SrgbToXyz({0.0, 0.0, 255.0}), {0.1805, 0.0722, 0.9505}, 1e-12);
}

TEST(XyzToLab, ReferenceWhiteIsNeutralAndBlackIsDark) {
    ExpectVectorNear(XyzToLab(ReferenceWhite, ReferenceWhite), {100.0, 0.0, 0.0}, 1e-12);
    EXPECT_NEAR(XyzToLab({0.0, 0.0, 0.0}, ReferenceWhite).x, 0.0, 1e-12);
}

TEST(XyzToLab, DarkColoursFollowTheLinearSegment) {
    // Below 216/24389 lightness is 24389/27 times the relative luminance.
    const double luminance = 0.004;
    EXPECT_NEAR(XyzToLab({0.0, luminance, 0.0}, ReferenceWhite).x, luminance * 24389.0 / 27.0, 1e-9);
}

TEST(XyzToLab, LightnessIsContinuousAtTheThreshold) {
    const double threshold = 216.0 / 24389.0;
    const double below = XyzToLab({0.0, threshold * (1 - 1e-9), 0.0}, ReferenceWhite).x;
    const double above = XyzToLab({0.0, threshold * (1 + 1e-9), 0.0}, ReferenceWhite).x;
    EXPECT_NEAR(below, 8.0, 1e-6);
    EXPECT_NEAR(above, 8.0, 1e-6);
}

struct LabChain {
    ColourVector rgb;
    ColourVector lab;
    double tolerance;
};

class SrgbToLabChain : public testing::TestWithParam<LabChain> {};

TEST_P(SrgbToLabChain, GivesTheExpectedLab) {
    const LabChain& chain = GetParam();
    ExpectVectorNear(XyzToLab(SrgbToXyz(chain.rgb), ReferenceWhite), chain.lab, chain.tolerance);
}

// Greys are not neutral: the matrix's white differs from the reference white.
INSTANTIATE_TEST_SUITE_P(ColourMath, SrgbToLabChain,
                         testing::Values(LabChain{{255.0, 0.0, 0.0}, {53.2329, 80.4231, 66.9655}, 5e-5},
                                         LabChain{{255.0, 255.0, 255.0}, {100.0, 0.4198, -0.9867}, 5e-5},
                                         LabChain{{128.0, 128.0, 128.0}, {53.585, 0.2518, -0.5919}, 5e-4}));

struct HslCase {
    HslColour hsl;
    RgbChannels rgb;
};

class HslToRgbCases : public testing::TestWithParam<HslCase> {};

TEST_P(HslToRgbCases, GivesTheExpectedChannels) {
    const HslCase& c = GetParam();
    const RgbChannels rgb = HslToRgb(c.hsl);
    EXPECT_EQ(rgb.red, c.rgb.red);
    EXPECT_EQ(rgb.green, c.rgb.green);
    EXPECT_EQ(rgb.blue, c.rgb.blue);
}

INSTANTIATE_TEST_SUITE_P(
    Primaries, HslToRgbCases,
    testing::Values(HslCase{{0.0, 0.5, 1.0}, {255, 0, 0}}, HslCase{{60.0, 0.5, 1.0}, {255, 255, 0}},
                    HslCase{{120.0, 0.5, 1.0}, {0, 255, 0}}, HslCase{{180.0, 0.5, 1.0}, {0, 255, 255}},
                    HslCase{{240.0, 0.5, 1.0}, {0, 0, 255}}, HslCase{{300.0, 0.5, 1.0}, {255, 0, 255}}));

// Channels are truncated, never rounded: 0.5 * 255 gives 127, 0.875 * 255 gives 223.
INSTANTIATE_TEST_SUITE_P(
    Truncation, HslToRgbCases,
    testing::Values(HslCase{{0.0, 0.5, 0.0}, {127, 127, 127}}, HslCase{{200.0, 1.0, 0.0}, {255, 255, 255}},
                    HslCase{{30.0, 0.5, 1.0}, {255, 127, 0}}, HslCase{{0.0, 0.75, 0.5}, {223, 159, 159}},
                    HslCase{{0.0, 0.25, 0.5}, {95, 31, 31}}, HslCase{{0.0, 0.75, 1.0}, {255, 127, 127}},
                    HslCase{{90.0, 0.0, 1.0}, {0, 0, 0}}));

// Lightness and saturation out of range saturate the channels; a negative hue turns once.
INSTANTIATE_TEST_SUITE_P(OutOfRange, HslToRgbCases,
                         testing::Values(HslCase{{0.0, 1.5, 0.0}, {255, 255, 255}},
                                         HslCase{{0.0, -0.5, 0.0}, {0, 0, 0}},
                                         HslCase{{0.0, 0.5, 1.5}, {255, 0, 0}},
                                         HslCase{{-90.0, 0.5, 1.0}, {127, 0, 255}}));

TEST(HslToRgb, HueThreeSixtyEqualsHueZero) {
    for (double lightness : {0.1, 0.5, 0.8}) {
        for (double saturation : {0.3, 1.0}) {
            EXPECT_EQ(HslToRgb({360.0, lightness, saturation}), HslToRgb({0.0, lightness, saturation}))
                << lightness << " " << saturation;
        }
    }
}

TEST(HslToRgb, FullySaturatedRampsAreMonotonicBetweenPrimaries) {
    // Over 0..60 degrees green rises from 0 to 255 while red stays full and blue stays empty.
    int previousGreen = -1;
    for (int hue = 0; hue <= 60; ++hue) {
        const RgbChannels rgb = HslToRgb({static_cast<double>(hue), 0.5, 1.0});
        EXPECT_EQ(rgb.red, 255);
        EXPECT_EQ(rgb.blue, 0);
        EXPECT_GE(rgb.green, previousGreen);
        previousGreen = rgb.green;
    }
    EXPECT_EQ(previousGreen, 255);
}

} // namespace
