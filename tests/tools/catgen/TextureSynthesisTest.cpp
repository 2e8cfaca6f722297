#include "tools/catgen/TextureSynthesis.h"
#include "tools/catgen/JpegEncoding.h"

#include "host/Image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const TextureKind allKinds[] = {TextureKind::FinePlaster,  TextureKind::CoarsePlaster, TextureKind::Granite,
                                TextureKind::LayeredStone, TextureKind::Marble,        TextureKind::Wood};

class EveryKind : public ::testing::TestWithParam<TextureKind> {
protected:
    TextureRecipe Recipe(std::uint32_t seed = 7) const {
        return {GetParam(), seed, Rgb{200, 180, 150}, Rgb{90, 70, 50}};
    }
};

// Mean absolute difference of two pixel columns (or rows, with `rows`) of a square RGB image.
double LineDifference(const std::vector<std::uint8_t>& pixels, int size, int a, int b, bool rows) {
    long total = 0;
    for (int i = 0; i < size; ++i) {
        const int pa = rows ? a * size + i : i * size + a;
        const int pb = rows ? b * size + i : i * size + b;
        for (int channel = 0; channel < 3; ++channel)
            total += std::abs(pixels[pa * 3 + channel] - pixels[pb * 3 + channel]);
    }
    return static_cast<double>(total) / (size * 3);
}

TEST_P(EveryKind, TilesWithoutSeams) {
    constexpr int size = 128;
    const auto pixels = SynthesiseTexture(Recipe(), size);
    ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size * 3));
    for (const bool rows : {false, true}) {
        // Across the wrap the last and the first line are neighbours like any two inside.
        double inside = 0;
        for (int i = 0; i + 1 < size; ++i)
            inside += LineDifference(pixels, size, i, i + 1, rows);
        inside /= size - 1;
        EXPECT_LT(LineDifference(pixels, size, size - 1, 0, rows), 2.5 * inside + 1.0)
            << (rows ? "rows" : "columns");
    }
}

TEST_P(EveryKind, ShowsStructureAroundItsColours) {
    const auto pixels = SynthesiseTexture(Recipe(), 64);
    int lowest = 255, highest = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        lowest = std::min<int>(lowest, pixels[i]);
        highest = std::max<int>(highest, pixels[i]);
    }
    EXPECT_GT(highest - lowest, 12) << "not a flat colour";
    const Rgb mean = MeanColour(pixels);
    EXPECT_GE(mean.red, 60);
    EXPECT_LE(mean.red, 230);
}

TEST_P(EveryKind, DependsOnlyOnRecipeAndSize) {
    EXPECT_EQ(SynthesiseTexture(Recipe(3), 48), SynthesiseTexture(Recipe(3), 48));
    EXPECT_NE(SynthesiseTexture(Recipe(3), 48), SynthesiseTexture(Recipe(4), 48));
}

std::string KindName(const ::testing::TestParamInfo<TextureKind>& info) {
    const char* const names[] = {"FinePlaster", "CoarsePlaster", "Granite", "LayeredStone", "Marble", "Wood"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Textures, EveryKind, ::testing::ValuesIn(allKinds), KindName);

TEST(SynthesiseTexture, GivesNothingForNoPixels) {
    EXPECT_TRUE(SynthesiseTexture({}, 0).empty());
    EXPECT_TRUE(SynthesiseTexture({}, -5).empty());
}

TEST(SynthesiseTexture, TinySizesStillWork) {
    for (const int size : {1, 2, 3, 7})
        EXPECT_EQ(SynthesiseTexture({TextureKind::Wood, 1, {}, {}}, size).size(),
                  static_cast<std::size_t>(size * size * 3));
}

TEST(MeanColour, AveragesEachChannel) {
    EXPECT_EQ(MeanColour({10, 20, 30, 30, 40, 50}), (Rgb{20, 30, 40}));
    EXPECT_EQ(MeanColour({}), Rgb{});
}

TEST(EncodeJpeg, DecodesToTheSizeAndRoughlyTheColours) {
    constexpr int size = 40;
    const TextureRecipe recipe{TextureKind::Marble, 5, {220, 60, 40}, {200, 50, 30}};
    const auto pixels = SynthesiseTexture(recipe, size);
    const auto jpeg = EncodeJpeg(pixels, size);
    const auto image = host::Image::Decode(jpeg.data(), jpeg.size(), 0);
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->GetWidth(), size);
    ASSERT_EQ(image->GetHeight(), size);
    // Decoded pixels are blue, green, red, alpha; compare the centre pixel within JPEG's loss.
    const std::uint8_t* decoded = image->GetPixels() + (size / 2) * image->GetStride() + (size / 2) * 4;
    const std::uint8_t* original = pixels.data() + ((size / 2) * size + size / 2) * 3;
    EXPECT_NEAR(decoded[2], original[0], 24);
    EXPECT_NEAR(decoded[1], original[1], 24);
    EXPECT_NEAR(decoded[0], original[2], 24);
}

TEST(EncodeJpeg, RefusesPixelsThatDoNotFitTheSize) {
    EXPECT_TRUE(EncodeJpeg(std::vector<std::uint8_t>(10 * 10 * 3), 11).empty());
    EXPECT_TRUE(EncodeJpeg({}, 0).empty());
}

} // namespace
