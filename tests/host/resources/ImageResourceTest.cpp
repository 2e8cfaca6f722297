#include "AddOnResources.h"
#include "host/ResourceTypes.h"

#include <algorithm>
#include <cmath>

namespace {

struct Rgb {
    int red, green, blue;
};

// The picker's rule for its spectrum: lightness 0.5, hue 0 to 360 degrees from the left column to
// the right one, saturation 1 in the top row to 0 in the bottom one.
Rgb SpectrumColour(int x, int y) {
    const double hue = 360.0 * x / 174, saturation = 1.0 - y / 186.0;
    auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30.0, 12.0);
        const double a = saturation * 0.5;
        return 255 * (0.5 - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0})));
    };
    return {int(std::lround(channel(0))), int(std::lround(channel(8))), int(std::lround(channel(4)))};
}

class BmpFile {
public:
    explicit BmpFile(std::vector<std::uint8_t> bytes) : bytes(std::move(bytes)) {}

    std::uint32_t Field(std::size_t at, int width) const {
        std::uint32_t value = 0;
        for (int i = width - 1; i >= 0; --i)
            value = (value << 8) | bytes.at(at + i);
        return value;
    }
    // Pixel (x, y) counted from the top of a bottom-up 24-bit image.
    Rgb At(int x, int y) const {
        const std::uint32_t width = Field(18, 4), height = Field(22, 4);
        const std::size_t rowSize = (width * 3 + 3) & ~3u;
        const std::size_t at = Field(10, 4) + rowSize * (height - 1 - y) + 3 * x;
        return {bytes.at(at + 2), bytes.at(at + 1), bytes.at(at)};
    }
    void ExpectHeader(std::uint32_t width, std::uint32_t height) const {
        const std::uint32_t rowSize = (width * 3 + 3) & ~3u;
        EXPECT_EQ(bytes.at(0), 'B');
        EXPECT_EQ(bytes.at(1), 'M');
        EXPECT_EQ(Field(2, 4), bytes.size());
        EXPECT_EQ(Field(10, 4), 54u);
        EXPECT_EQ(Field(14, 4), 40u);
        EXPECT_EQ(Field(18, 4), width);
        EXPECT_EQ(Field(22, 4), height); // positive: bottom-up
        EXPECT_EQ(Field(26, 2), 1u);
        EXPECT_EQ(Field(28, 2), 24u);
        EXPECT_EQ(Field(30, 4), 0u);
        EXPECT_EQ(Field(38, 4), 3780u);
        EXPECT_EQ(Field(42, 4), 3780u);
        EXPECT_EQ(bytes.size(), 54 + rowSize * height);
    }

private:
    std::vector<std::uint8_t> bytes;
};

TEST_F(AddOnResources, SpectrumIsALengthThenA24BitBmp) {
    const auto resource = Load(host::DataResource, 32620);
    ASSERT_EQ(resource.size(), 4u + 98790);
    EXPECT_EQ(Get32(resource, 0), 98790u);
    const BmpFile bmp({resource.begin() + 4, resource.end()});
    bmp.ExpectHeader(175, 187);

    const struct {
        int x, y;
    } points[] = {{0, 0},   {174, 0}, {29, 0},   {58, 0},  {87, 0},    {116, 0},
                  {145, 0}, {10, 50}, {100, 93}, {0, 186}, {174, 186}, {60, 170}};
    for (const auto& p : points) {
        const Rgb expected = SpectrumColour(p.x, p.y), actual = bmp.At(p.x, p.y);
        EXPECT_NEAR(actual.red, expected.red, 1) << p.x << "," << p.y;
        EXPECT_NEAR(actual.green, expected.green, 1) << p.x << "," << p.y;
        EXPECT_NEAR(actual.blue, expected.blue, 1) << p.x << "," << p.y;
    }
    const Rgb topLeft = bmp.At(0, 0), bottom = bmp.At(90, 186);
    EXPECT_EQ(topLeft.red, 255);
    EXPECT_EQ(topLeft.green, 0);
    EXPECT_EQ(bottom.red, bottom.green);
    EXPECT_EQ(bottom.green, bottom.blue);
}

TEST_F(AddOnResources, BannerIsAWhiteToBlueBand) {
    const BmpFile banner(Load(host::BitmapResource, 32600));
    banner.ExpectHeader(355, 74);
    const Rgb left = banner.At(1, 36), right = banner.At(352, 2);
    EXPECT_EQ(left.red, 255);
    EXPECT_EQ(left.blue, 255);
    EXPECT_GT(right.blue, right.red + 60);
}

struct IconCase {
    std::int32_t id;
    std::uint32_t size;
    std::uint32_t bitsPerPixel;
};

class IconResources : public AddOnResources, public ::testing::WithParamInterface<IconCase> {};

TEST_P(IconResources, IconFileHoldsOneImageOfItsSizeAndDepth) {
    const auto ico = Load(host::IconGroupResource, GetParam().id);
    const std::uint32_t size = GetParam().size, bits = GetParam().bitsPerPixel;
    const std::uint32_t colours = bits == 8 ? 256 : 0;
    const std::uint32_t colourRows = (size * bits + 31) / 32 * 4 * size,
                        maskRows = (size + 31) / 32 * 4 * size;
    ASSERT_EQ(ico.size(), 6 + 16 + 40 + 4 * colours + colourRows + maskRows);
    EXPECT_EQ(Get16(ico, 0), 0u);
    EXPECT_EQ(Get16(ico, 2), 1u);
    EXPECT_EQ(Get16(ico, 4), 1u);
    EXPECT_EQ(ico[6], size);
    EXPECT_EQ(ico[7], size);
    EXPECT_EQ(Get16(ico, 12), bits);
    EXPECT_EQ(Get32(ico, 14), ico.size() - 22);
    EXPECT_EQ(Get32(ico, 18), 22u);
    EXPECT_EQ(Get32(ico, 22), 40u);
    EXPECT_EQ(Get32(ico, 26), size);
    EXPECT_EQ(Get32(ico, 30), 2 * size);
    EXPECT_EQ(Get16(ico, 36), bits);
    EXPECT_EQ(Get32(ico, 54), colours);
}

INSTANTIATE_TEST_SUITE_P(AddOn, IconResources,
                         ::testing::Values(IconCase{32610, 64, 8}, IconCase{1, 32, 24}));

} // namespace
