#include "support/TempFolder.h"
#include "tools/catgen/CatalogueGenerator.h"

#include "catalogue/ImageFileTypes.h"
#include "catalogue/TNPersistentData.h"
#include "loading/CatalogueParser.h"
#include "loading/ColourAmount.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The sample as the add-on itself reads it.
class SampleThroughParser : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSampleCatalogue(folder.GetPath());
        LookUpImageFileTypes();
        std::string problem;
        ASSERT_TRUE(ParseCatalogueFile(catalogue, folder.GetLocation("colours.xml"), &problem)) << problem;
    }

    testsupport::TempFolder folder;
    TNPersistentData catalogue;
};

TEST_F(SampleThroughParser, LoadsEveryColourWithItsTexture) {
    ASSERT_GE(catalogue.colours.size(), 300u);
    int blank = 0, texturedSolid = 0, textureOnly = 0;
    for (const auto& colour : catalogue.colours) {
        blank += colour->blank;
        texturedSolid += colour->hasColour && colour->textureImage != nullptr;
        textureOnly += !colour->hasColour && colour->textureImage != nullptr;
    }
    EXPECT_EQ(blank, 1);
    EXPECT_GT(texturedSolid, 0);
    EXPECT_GT(textureOnly, 0);
    EXPECT_GE(catalogue.auxiliaryColours.size(), 40u);
    EXPECT_EQ(catalogue.GetWebLink().ToStdString(), "https://www.tarnova.example/szinek");
    EXPECT_EQ(colourAmount, 153);
}

TEST_F(SampleThroughParser, NavigatesThroughModesSurfacesAndProducts) {
    const host::StringSet modes = catalogue.GetModes();
    ASSERT_GE(modes.GetSize(), 2u);
    EXPECT_EQ(modes.Get(0)->ToStdString(), "Homlokzat");
    EXPECT_TRUE(modes.Contains(host::UniString("Beltér")));

    std::size_t surfaces = 0, products = 0, largest = 0, wheelProducts = 0, mixingProducts = 0;
    for (const host::UniString& mode : modes) {
        for (const host::UniString& surface : catalogue.GetSurfaces(mode)) {
            ++surfaces;
            for (const host::UniString& product : catalogue.GetProducts(mode, surface)) {
                ++products;
                const auto colours = catalogue.GetColours(mode, surface, product, true);
                largest = std::max(largest, colours.size());
                wheelProducts +=
                    std::any_of(colours.begin(), colours.end(), [](auto* c) { return c->wheel; });
                mixingProducts += catalogue.FindMixingBase(mode, surface, product) != nullptr;
            }
        }
    }
    EXPECT_GE(surfaces, 6u);
    EXPECT_GE(products, 12u);
    EXPECT_EQ(static_cast<std::size_t>(catalogue.GetLargestGroup()), largest);
    EXPECT_GE(wheelProducts, 2u);
    EXPECT_EQ(mixingProducts, 1u);
}

} // namespace
