#include "WidgetTest.h"

#include "catalogue/ColorEntity.h"
#include "host/BitmapDevice.h"
#include "host/DrawContext.h"
#include "loading/ColourAmount.h"
#include "support/CatalogueXml.h"
#include "support/ImageFiles.h"
#include "widgets/ChipItem.h"
#include "widgets/DrawImageTiled.h"

#include <cstdlib>

namespace {

using namespace widgettest;
using testsupport::CatalogueColour;

constexpr host::Colour Blue{0, 0, 255, 255, 0};
constexpr host::Colour Green{0, 160, 0, 255, 0};

// Draws a chip at (5, 6, 29, 26) over the background of a 40 x 40 bitmap.
template <typename Draw> std::unique_ptr<host::Bitmap> Paint(Draw&& draw) {
    auto bitmap = std::make_unique<host::Bitmap>(40, 40);
    host::BitmapDevice device(*bitmap);
    host::ContextAttributes attributes;
    attributes.antialiasing = false;
    auto context = device.ObtainContext(attributes);
    context->FillRect(host::RealRect(0, 0, 40, 40), host::SolidPattern(paletteBackground));
    draw(*context);
    return bitmap;
}

std::unique_ptr<host::Bitmap> DrawChip(ColorEntity* colour, bool selected = false) {
    ChipItem chip(host::Rect(5, 6, 29, 26), nullptr, ChipRoleCatalogue);
    chip.SetColour(colour);
    chip.SetSelected(selected);
    return Paint([&](host::DrawContext& context) { chip.Draw(context); });
}

// One channel of `over` laid with its alpha over the opaque `under`.
int Over(int over, int alpha, int under) {
    return (over * alpha + under * (255 - alpha) + 127) / 255;
}

void ExpectNear(const host::Colour& actual, const host::Colour& expected) {
    EXPECT_LE(std::abs(actual.red - expected.red) + std::abs(actual.green - expected.green) +
                  std::abs(actual.blue - expected.blue),
              2);
    EXPECT_EQ(actual.alpha, 255);
}

class Chip : public ::testing::Test {
protected:
    void SetUp() override { SetUpPaletteAndFont(); }
    void TearDown() override { colourAmount = 153; }

    // The catalogue's colours from a one-product catalogue whose textures are blue.
    std::vector<ColorEntity*> Load(const std::vector<testsupport::XmlAttributes>& colours,
                                   const std::vector<testsupport::XmlAttributes>& settings = {}) {
        store.folder.Write("t.bmp", testsupport::MakeBmp(4, 4, Blue));
        store.folder.Write("g.bmp", testsupport::MakeBmp(4, 4, Green));
        EXPECT_EQ(store.Load(testsupport::CatalogueDocument(colours, {}, settings)), 0);
        std::vector<ColorEntity*> records;
        for (const auto& colour : GetTNData().GetCatalogue()->colours) {
            records.push_back(colour.get());
        }
        return records;
    }

    GlobalStore store;
};

TEST_F(Chip, ShowsTheTextureWashedWithTheColourTheBareTextureOrTheColour) {
    const auto records = Load({CatalogueColour("M", "S", "N", "T").Set("texture", "t.bmp").Set("red", "255"),
                               CatalogueColour("M", "S", "N", "T").Set("texture", "g.bmp").Set("red", "-1"),
                               CatalogueColour("M", "S", "N", "T").Set("blue", "250"),
                               CatalogueColour("M", "S", "N", "T").Set("red", "-1")});
    const host::Colour expected[] = {
        {std::uint8_t(Over(255, 153, 0)), std::uint8_t(Over(20, 153, 0)), std::uint8_t(Over(30, 153, 255)),
         255, 0},
        Green,
        {10, 20, 250, 255, 0},
        {0, 0, 0, 255, 0}, // a blank colour
    };
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto bitmap = DrawChip(records[i]);
        ExpectNear(At(*bitmap, 5, 6), expected[i]);
        ExpectNear(At(*bitmap, 28, 25), expected[i]);
        EXPECT_EQ(FindNot(*bitmap, paletteBackground), (Box{5, 6, 28, 25})) << i;
    }
    EXPECT_EQ(records[0]->colour.alpha, 153) << "the washed record carries the colour amount";
    EXPECT_EQ(records[2]->colour.alpha, 255);
}

TEST_F(Chip, TheWashFollowsTheCataloguesColourAmount) {
    const auto records = Load({CatalogueColour("M", "S", "N", "T").Set("texture", "t.bmp").Set("red", "200")},
                              {testsupport::Setting("colourmixer.amountofcolour", "0.4")});
    ASSERT_EQ(colourAmount, 102);
    ExpectNear(At(*DrawChip(records[0]), 10, 10),
               {std::uint8_t(Over(200, 102, 0)), std::uint8_t(Over(20, 102, 0)),
                std::uint8_t(Over(30, 102, 255)), 255, 0});
}

TEST_F(Chip, AnEmptyChipHasAGreyFrameAndASelectedOneTheThreeLineFrameInstead) {
    const auto records = Load({CatalogueColour("M", "S", "N", "T").Set("blue", "250")});
    const auto empty = DrawChip(nullptr);
    for (const auto& [x, y] : {std::pair{5, 6}, std::pair{28, 25}, std::pair{15, 6}, std::pair{28, 15}}) {
        EXPECT_EQ(At(*empty, x, y), paletteEmptyFrame) << x << ", " << y;
    }
    EXPECT_EQ(At(*empty, 6, 7), paletteBackground);

    for (ColorEntity* record : {static_cast<ColorEntity*>(nullptr), records[0]}) {
        const auto bitmap = DrawChip(record, true);
        const host::Colour inside = record != nullptr ? record->colour : paletteBackground;
        const host::Colour expected[] = {paletteSelectionOuter, paletteSelectionOuter, paletteSelectionInner,
                                         inside};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(At(*bitmap, 5 + i, 15), expected[i]) << i;
            EXPECT_EQ(At(*bitmap, 28 - i, 15), expected[i]) << i;
            EXPECT_EQ(At(*bitmap, 15, 25 - i), expected[i]) << i;
        }
    }
}

// An opaque image whose pixels all differ from their neighbours.
host::Colour PatternAt(int x, int y) {
    return {std::uint8_t(100 + x + y), std::uint8_t(y * 40), std::uint8_t(x * 30), 255, 0};
}

host::Image PatternImage(int width, int height) {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const host::Colour c = PatternAt(x, y);
            pixels.insert(pixels.end(), {c.blue, c.green, c.red, 255});
        }
    }
    return host::Image(width, height, std::move(pixels));
}

TEST(DrawImageTiled, RepeatsTheImageFromTheTopLeftCornerAndCutsTheLastColumnAndRow) {
    for (const auto& [width, height] :
         {std::pair{7, 5}, std::pair{24, 20}, std::pair{30, 33}, std::pair{1, 1}}) {
        const host::Image pattern = PatternImage(width, height);
        const auto bitmap = Paint([&](host::DrawContext& context) {
            DrawImageTiled(context, host::RealRect(5, 6, 29, 26), pattern);
        });
        for (int y = 6; y < 26; ++y) {
            for (int x = 5; x < 29; ++x) {
                ASSERT_EQ(At(*bitmap, x, y), PatternAt((x - 5) % width, (y - 6) % height))
                    << width << " x " << height << " at " << x << ", " << y;
            }
        }
        EXPECT_EQ(FindNot(*bitmap, paletteBackground), (Box{5, 6, 28, 25}));
    }
    const host::Image empty(0, 0, {});
    const auto bitmap = Paint([&](host::DrawContext& context) {
        DrawImageTiled(context, {0, 0, 40, 40}, empty);
    });
    EXPECT_EQ(FindNot(*bitmap, paletteBackground), Box{}) << "an image without pixels draws nothing";
}

} // namespace
