#include "WidgetTest.h"

#include "catalogue/ColorEntity.h"
#include "host/BitmapDevice.h"
#include "host/DrawContext.h"
#include "host/Image.h"
#include "loading/ColourAmount.h"
#include "support/CatalogueXml.h"
#include "support/ImageFiles.h"
#include "widgets/ChipItem.h"
#include "widgets/DrawImageTiled.h"

#include <cstdlib>

namespace {

using namespace widgettest;

constexpr int Side = 40;
const host::Rect ChipRect(5, 6, 5 + 24, 6 + 20);

host::ContextAttributes Aliased() {
    host::ContextAttributes attributes;
    attributes.antialiasing = false;
    return attributes;
}

// A bitmap filled with the background, with `draw` run over it.
template <typename Draw> std::unique_ptr<host::Bitmap> Paint(Draw&& draw) {
    auto bitmap = std::make_unique<host::Bitmap>(Side, Side);
    host::BitmapDevice device(*bitmap);
    auto context = device.ObtainContext(Aliased());
    context->FillRect(host::RealRect(0, 0, Side, Side), host::SolidPattern(paletteBackground));
    draw(*context);
    return bitmap;
}

// Colour `over` laid with its alpha over the opaque colour `under`, one channel.
int Over(int over, int alpha, int under) {
    return (over * alpha + under * (255 - alpha) + 127) / 255;
}

void ExpectNear(const host::Colour& actual, int red, int green, int blue) {
    EXPECT_LE(std::abs(actual.red - red), 1) << int(actual.red) << " against " << red;
    EXPECT_LE(std::abs(actual.green - green), 1) << int(actual.green) << " against " << green;
    EXPECT_LE(std::abs(actual.blue - blue), 1) << int(actual.blue) << " against " << blue;
    EXPECT_EQ(actual.alpha, 255);
}

class Chip : public ::testing::Test {
protected:
    void SetUp() override { SetUpPaletteAndFont(); }
    void TearDown() override { colourAmount = 153; }

    // A record with a solid colour unless `red` is -1, and with a one-colour BMP texture when given.
    std::unique_ptr<ColorEntity> Record(std::int16_t red, std::int16_t green, std::int16_t blue,
                                        const host::Colour* texture = nullptr) {
        host::FileLocation location;
        if (texture != nullptr) {
            folder.Write("t.bmp", testsupport::MakeBmp(4, 4, *texture));
            location = folder.GetLocation("t.bmp");
        }
        return std::make_unique<ColorEntity>("M", "S", "Fal", "", "Sima", "Hajnal", red, green, blue,
                                             location, false, "", -1, -1, -1, false, false);
    }

    std::unique_ptr<host::Bitmap> DrawChip(ChipItem& chip) {
        return Paint([&](host::DrawContext& context) { chip.Draw(context); });
    }

    testsupport::TempFolder folder;
};

TEST_F(Chip, ATexturedColourShowsTheImageWashedWithItsColourAtTheColourAmount) {
    const host::Colour blue{0, 0, 255, 255, 0};
    auto record = Record(255, 100, 0, &blue);
    ChipItem chip(ChipRect, nullptr, ChipRoleCatalogue);
    chip.SetColour(record.get());
    const auto bitmap = DrawChip(chip);
    for (const auto& [x, y] : {std::pair{5, 6}, std::pair{28, 25}, std::pair{17, 15}}) {
        ExpectNear(At(*bitmap, x, y), Over(255, 153, 0), Over(100, 153, 0), Over(0, 153, 255));
    }
    EXPECT_EQ(record->colour.alpha, 153) << "the record's colour carries the amount";
    EXPECT_EQ(At(*bitmap, 4, 6), paletteBackground);
    EXPECT_EQ(At(*bitmap, 29, 6), paletteBackground);
    EXPECT_EQ(At(*bitmap, 5, 26), paletteBackground);
}

TEST_F(Chip, ATexturedColourFollowsTheCataloguesOwnColourAmount) {
    GlobalStore store;
    store.folder.Write("t.bmp", testsupport::MakeBmp(4, 4, {0, 0, 255, 255, 0}));
    const std::string xml = testsupport::CatalogueDocument(
        {testsupport::CatalogueColour("M", "S", "N", "T").Set("texture", "t.bmp").Set("red", "200")}, {},
        {testsupport::Setting("colourmixer.amountofcolour", "0.4")});
    ASSERT_EQ(store.Load(xml), 0);
    ASSERT_EQ(colourAmount, 102);
    ChipItem chip(ChipRect, nullptr, ChipRoleCatalogue);
    chip.SetColour(GetTNData().GetCatalogue()->colours[0].get());
    ExpectNear(At(*DrawChip(chip), 10, 10), Over(200, 102, 0), Over(20, 102, 0), Over(30, 102, 255));
}

TEST_F(Chip, ColoursWithoutTextureOrColourAreDrawnAsTheyAre) {
    const host::Colour green{0, 160, 0, 255, 0};
    auto bare = Record(-1, -1, -1, &green);
    auto plain = Record(10, 20, 250);
    auto blank = Record(-1, -1, -1);
    ASSERT_TRUE(blank->blank);
    const struct {
        ColorEntity* record;
        host::Colour expected;
    } cases[] = {
        {bare.get(), green},
        {plain.get(), {10, 20, 250, 255, 0}},
        {blank.get(), {0, 0, 0, 255, 0}},
    };
    for (const auto& c : cases) {
        ChipItem chip(ChipRect, nullptr, ChipRoleCatalogue);
        chip.SetColour(c.record);
        const auto bitmap = DrawChip(chip);
        EXPECT_EQ(At(*bitmap, 5, 6), c.expected);
        EXPECT_EQ(At(*bitmap, 28, 25), c.expected);
        EXPECT_EQ(At(*bitmap, 29, 25), paletteBackground);
    }
    EXPECT_EQ(plain->colour.alpha, 255) << "a colour without texture keeps its alpha";
}

TEST_F(Chip, AnEmptyChipShowsTheGreyFrameInsideItsRectangle) {
    ChipItem chip(ChipRect, nullptr, ChipRoleListSlot);
    const auto bitmap = DrawChip(chip);
    // The frame runs along the first and the last column and row of the chip.
    for (const auto& [x, y] : {std::pair{5, 6}, std::pair{28, 6}, std::pair{5, 25}, std::pair{28, 25},
                               std::pair{15, 6}, std::pair{28, 15}}) {
        EXPECT_EQ(At(*bitmap, x, y), paletteEmptyFrame) << x << ", " << y;
    }
    EXPECT_EQ(At(*bitmap, 6, 7), paletteBackground);
    EXPECT_EQ(At(*bitmap, 29, 26), paletteBackground);
}

TEST_F(Chip, ASelectedChipCarriesAThreeLineFrameOverWhateverItShows) {
    auto plain = Record(10, 20, 250);
    for (ColorEntity* record : {static_cast<ColorEntity*>(nullptr), plain.get()}) {
        ChipItem chip(ChipRect, nullptr, ChipRoleListSlot);
        chip.SetColour(record);
        chip.SetSelected(true);
        EXPECT_TRUE(chip.IsSelected());
        const auto bitmap = DrawChip(chip);
        const host::Colour inside = record != nullptr ? record->colour : paletteBackground;
        // Along the middle row from the left edge, and the middle column from the bottom edge.
        const host::Colour expected[] = {paletteSelectionOuter, paletteSelectionOuter, paletteSelectionInner,
                                         inside};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(At(*bitmap, 5 + i, 15), expected[i]) << i;
            EXPECT_EQ(At(*bitmap, 28 - i, 15), expected[i]) << i;
            EXPECT_EQ(At(*bitmap, 15, 25 - i), expected[i]) << i;
        }
        EXPECT_EQ(At(*bitmap, 29, 15), paletteBackground);
    }
}

TEST_F(Chip, TheHoverTextIsTheColoursFullName) {
    auto plain = Record(10, 20, 250);
    ChipItem chip(ChipRect, nullptr, ChipRoleCatalogue);
    EXPECT_TRUE(chip.GetHoverText({1, 1}).IsEmpty());
    chip.SetColour(plain.get());
    EXPECT_EQ(chip.GetHoverText({1, 1}).ToStdString(), "Tarnova Fal Sima Hajnal");
}

// An opaque image whose pixels all differ from their neighbours.
host::Image PatternImage(int width, int height) {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.insert(pixels.end(),
                          {std::uint8_t(x * 30), std::uint8_t(y * 40), std::uint8_t(100 + x + y), 255});
        }
    }
    return host::Image(width, height, std::move(pixels));
}

host::Colour PatternAt(int x, int y) {
    return {std::uint8_t(100 + x + y), std::uint8_t(y * 40), std::uint8_t(x * 30), 255, 0};
}

TEST(DrawImageTiled, RepeatsTheImageFromTheTopLeftCornerAndCutsTheLastColumnAndRow) {
    const struct {
        int imageWidth;
        int imageHeight;
    } images[] = {{7, 5}, {24, 20}, {30, 33}, {1, 1}};
    for (const auto& image : images) {
        const host::Image pattern = PatternImage(image.imageWidth, image.imageHeight);
        const auto bitmap = Paint([&](host::DrawContext& context) {
            DrawImageTiled(context, host::RealRect(5, 6, 29, 26), pattern);
        });
        for (int y = 6; y < 26; ++y) {
            for (int x = 5; x < 29; ++x) {
                ASSERT_EQ(At(*bitmap, x, y),
                          PatternAt((x - 5) % image.imageWidth, (y - 6) % image.imageHeight))
                    << image.imageWidth << " x " << image.imageHeight << " at " << x << ", " << y;
            }
        }
        EXPECT_EQ(FindNot(*bitmap, paletteBackground), (Box{5, 6, 28, 25}));
    }
}

TEST(DrawImageTiled, AnImageWithoutPixelsDrawsNothing) {
    const host::Image empty(0, 0, {});
    const auto bitmap = Paint([&](host::DrawContext& context) {
        DrawImageTiled(context, host::RealRect(0, 0, Side, Side), empty);
    });
    EXPECT_EQ(FindNot(*bitmap, paletteBackground), Box{});
}

} // namespace
