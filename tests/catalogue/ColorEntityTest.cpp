#include "catalogue/ColorEntity.h"
#include "catalogue/AuxiliaryColorEntity.h"
#include "catalogue/ImageFileTypes.h"
#include "catalogue/TextureCache.h"

#include "support/ImageFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using testsupport::TempFolder;

struct Channels {
    std::int16_t red, green, blue;
};

std::unique_ptr<ColorEntity> MakeColour(Channels colour, const host::FileLocation& texture = {},
                                        Channels auxiliary = {-1, -1, -1}, const char* colourName = "",
                                        TextureCache* textures = nullptr) {
    return std::make_unique<ColorEntity>(
        "Belső", "Fal", "Prima", "leírás", "Matt", colourName, colour.red, colour.green, colour.blue, texture,
        true, "megjegyzés", auxiliary.red, auxiliary.green, auxiliary.blue, true, false, textures);
}

struct ChannelCase {
    Channels given;
    bool hasColour;
    RgbaColour colour;
};

class ColourChannels : public ::testing::TestWithParam<ChannelCase> {};

TEST_P(ColourChannels, MinusOneMeansNoColourOtherValuesKeepTheirLowBits) {
    const ChannelCase& c = GetParam();
    const auto record = MakeColour(c.given, {}, c.given);
    EXPECT_EQ(record->hasColour, c.hasColour);
    EXPECT_EQ(record->colour, c.colour);
    EXPECT_EQ(record->hasAuxiliaryColour, c.hasColour);
    EXPECT_EQ(record->auxiliaryColour, c.colour);
    EXPECT_EQ(record->blank, !c.hasColour);
}

INSTANTIATE_TEST_SUITE_P(ColorEntity, ColourChannels,
                         ::testing::Values(ChannelCase{{12, 200, 7}, true, {12, 200, 7, 255, 0}},
                                           ChannelCase{{-1, 10, 10}, false, {0, 0, 0, 255, 0}},
                                           ChannelCase{{10, 10, -1}, false, {0, 0, 0, 255, 0}},
                                           ChannelCase{{256, 0, 300}, true, {0, 0, 44, 255, 0}},
                                           ChannelCase{{-2, 511, 0}, true, {254, 255, 0, 255, 0}},
                                           ChannelCase{{0, 0, 0}, true, {0, 0, 0, 255, 0}}));

TEST(AuxiliaryColorEntity, AlwaysHasAnOpaqueColourOfTheLowBits) {
    EXPECT_EQ(AuxiliaryColorEntity("x", -1, -1, -1).colour, (RgbaColour{255, 255, 255, 255, 0}));
    EXPECT_EQ(AuxiliaryColorEntity("x", 256, 300, 7).colour, (RgbaColour{0, 44, 7, 255, 0}));
}

class Textures : public ::testing::Test {
protected:
    void SetUp() override { LookUpImageFileTypes(); }
    TempFolder folder;
};

TEST_F(Textures, AReadableTextureIsKeptWholeAndDecoded) {
    const std::vector<std::uint8_t> jpeg = testsupport::MakeJpeg(24, 16, {90, 90, 200});
    folder.Write("t.jpg", jpeg);
    const auto record = MakeColour({-1, 0, 0}, folder.GetLocation("t.jpg"));
    ASSERT_NE(record->textureData, nullptr);
    EXPECT_EQ(*record->textureData, jpeg);
    ASSERT_NE(record->textureImage, nullptr);
    EXPECT_EQ(record->textureImage->GetWidth(), 24);
    EXPECT_FALSE(record->hasColour);
    EXPECT_FALSE(record->blank);
}

TEST_F(Textures, AMissingTextureLeavesNoDataAndMakesAColourlessRecordBlank) {
    const auto withoutColour = MakeColour({-1, 0, 0}, folder.GetLocation("missing.jpg"));
    EXPECT_EQ(withoutColour->textureData, nullptr);
    EXPECT_EQ(withoutColour->textureImage, nullptr);
    EXPECT_TRUE(withoutColour->blank);
    const auto withColour = MakeColour({1, 2, 3}, folder.GetLocation("missing.jpg"));
    EXPECT_FALSE(withColour->blank);
}

TEST_F(Textures, BytesThatAreNoImageAreKeptWithoutAnImage) {
    folder.Write("t.jpg", "not an image");
    const auto record = MakeColour({-1, -1, -1}, folder.GetLocation("t.jpg"));
    ASSERT_NE(record->textureData, nullptr);
    EXPECT_EQ(record->textureData->size(), 12u);
    EXPECT_EQ(record->textureImage, nullptr);
    EXPECT_TRUE(record->blank);
}

TEST_F(Textures, AFolderIsNoTexture) {
    const auto record = MakeColour({-1, 0, 0}, folder.GetLocation());
    EXPECT_EQ(record->textureData, nullptr);
    EXPECT_TRUE(record->blank);
}

TEST_F(Textures, ASolidColourAndATextureAreBothKept) {
    folder.Write("t.bmp", testsupport::MakeBmp(2, 2, {1, 2, 3}));
    const auto record = MakeColour({40, 50, 60}, folder.GetLocation("t.bmp"));
    EXPECT_TRUE(record->hasColour);
    EXPECT_NE(record->textureImage, nullptr);
}

TEST_F(Textures, RecordsNamingOneFileThroughACacheShareItsBytesAndImage) {
    folder.Write("a.jpg", testsupport::MakeJpeg(8, 8, {1, 2, 3}));
    folder.Write("b.jpg", testsupport::MakeJpeg(8, 8, {200, 2, 3}));
    TextureCache cache;
    auto first = MakeColour({1, 1, 1}, folder.GetLocation("a.jpg"), {-1, -1, -1}, "", &cache);
    const auto second = MakeColour({2, 2, 2}, folder.GetLocation("x/../a.jpg"), {-1, -1, -1}, "", &cache);
    const auto other = MakeColour({3, 3, 3}, folder.GetLocation("b.jpg"), {-1, -1, -1}, "", &cache);
    ASSERT_NE(first->textureImage, nullptr);
    EXPECT_EQ(first->textureImage, second->textureImage);
    EXPECT_EQ(first->textureData, second->textureData);
    EXPECT_NE(first->textureImage, other->textureImage);
    // Each record keeps its texture alive on its own.
    const std::shared_ptr<const host::Image> image = first->textureImage;
    first.reset();
    EXPECT_EQ(second->textureImage, image);
    EXPECT_EQ(second->textureImage->GetWidth(), 8);
}

TEST_F(Textures, ACacheRemembersFilesThatCouldNotBeRead) {
    TextureCache cache;
    EXPECT_EQ(cache.Get(folder.GetLocation("late.jpg")).data, nullptr);
    folder.Write("late.jpg", testsupport::MakeJpeg(8, 8, {1, 2, 3}));
    EXPECT_EQ(cache.Get(folder.GetLocation("late.jpg")).data, nullptr);
    EXPECT_NE(LoadTexture(folder.GetLocation("late.jpg")).image, nullptr);
}

struct FullNameCase {
    const char* colourName;
    Channels colour;
    const char* fullName;
};

class FullName : public ::testing::TestWithParam<FullNameCase> {};

TEST_P(FullName, EndsInTheColourNameOrTheChannelDigits) {
    const FullNameCase& c = GetParam();
    EXPECT_EQ(MakeColour(c.colour, {}, {-1, -1, -1}, c.colourName)->GetFullName().ToStdString(), c.fullName);
}

INSTANTIATE_TEST_SUITE_P(
    ColorEntity, FullName,
    ::testing::Values(FullNameCase{"Hóvirág", {12, 200, 7}, "Tarnova Prima Matt Hóvirág"},
                      FullNameCase{"", {12, 200, 7}, "Tarnova Prima Matt 122007"},
                      FullNameCase{"", {0, 0, 0}, "Tarnova Prima Matt 000"},
                      FullNameCase{"", {-1, 0, 0}, "Tarnova Prima Matt"},
                      FullNameCase{"100% %s", {1, 2, 3}, "Tarnova Prima Matt 100% %s"}));

TEST(ColorEntity, ProductLabelJoinsNameAndStructureWithOneSpace) {
    const ColorEntity first("m", "s", "A", "", "B C", "", 1, 2, 3, {}, false, "", -1, -1, -1, false, false);
    const ColorEntity second("m", "s", "A B", "", "C", "", 1, 2, 3, {}, false, "", -1, -1, -1, false, false);
    EXPECT_EQ(GetProductLabel(first).ToStdString(), "A B C");
    EXPECT_TRUE(HasProductLabel(first, "A B C"));
    EXPECT_TRUE(HasProductLabel(second, "A B C"));
    for (const char* other : {"A B  C", "A BC", "a B C", "A B C ", "", "A B"}) {
        EXPECT_FALSE(HasProductLabel(first, other)) << other;
    }
    const ColorEntity empty("m", "s", "", "", "", "", 1, 2, 3, {}, false, "", -1, -1, -1, false, false);
    EXPECT_TRUE(HasProductLabel(empty, " "));
}

} // namespace
