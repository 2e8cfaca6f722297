#include "CatalogueReader.h"
#include "support/TempFolder.h"
#include "tools/catgen/CatalogueGenerator.h"

#include "host/FileTypes.h"
#include "host/Image.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

namespace {

using Attributes = ReadCatalogue::Attributes;

ReadCatalogue Write(const testsupport::TempFolder& folder, const SyntheticOptions& options) {
    WriteSyntheticCatalogue(folder.GetPath(), options);
    return ReadCatalogueFile(folder.GetPath() / "colours.xml");
}

TEST(SyntheticCatalogue, HonoursCountsAndGrouping) {
    SyntheticOptions options;
    options.colours = 230;
    options.productSize = 20;
    options.productsPerSurface = 3;
    options.surfacesPerMode = 2;
    options.auxiliaryColours = 17;
    testsupport::TempFolder folder;
    const ReadCatalogue catalogue = Write(folder, options);

    ASSERT_EQ(catalogue.colours.size(), 230u);
    EXPECT_EQ(catalogue.auxiliaryColours.size(), 17u);
    std::map<std::string, int> products;
    std::map<std::string, std::set<std::string>> productsOfSurface;
    std::map<std::string, std::set<std::string>> surfacesOfMode;
    for (const Attributes& c : catalogue.colours) {
        const std::string product = c.at("name") + " " + c.at("structure");
        ++products[product];
        productsOfSurface[c.at("surface")].insert(product);
        surfacesOfMode[c.at("mode")].insert(c.at("surface"));
        EXPECT_EQ(c.at("wheel"), "false");
        EXPECT_EQ(c.at("auxiliaryColourTable"), "false");
        EXPECT_TRUE(c.at("texture").empty());
        EXPECT_NE(c.at("red"), "-1");
    }
    // 230 colours: 11 full products of 20 and one of 10, on 4 surfaces, in 2 modes.
    ASSERT_EQ(products.size(), 12u);
    int full = 0;
    for (const auto& [product, size] : products)
        full += size == 20;
    EXPECT_EQ(full, 11);
    EXPECT_EQ(productsOfSurface.size(), 4u);
    EXPECT_EQ(surfacesOfMode.size(), 2u);
    for (const auto& [mode, surfaces] : surfacesOfMode)
        EXPECT_LE(surfaces.size(), 2u);
}

TEST(SyntheticCatalogue, WritesTheRequestedTexturesAndSharesThemOut) {
    SyntheticOptions options;
    options.colours = 40;
    options.textures = 7;
    options.textureSize = 96;
    testsupport::TempFolder folder;
    const ReadCatalogue catalogue = Write(folder, options);

    std::set<std::string> named;
    for (const Attributes& c : catalogue.colours) {
        ASSERT_FALSE(c.at("texture").empty());
        named.insert(c.at("texture"));
    }
    EXPECT_EQ(named.size(), 7u);
    const std::int32_t jpeg = host::LookUpFileType("image/jpeg");
    std::set<std::string> contents;
    for (const std::string& texture : named) {
        const std::string bytes = ReadBytes(ResolveTexture(folder.GetPath(), texture));
        const auto image = host::Image::Decode(bytes.data(), bytes.size(), jpeg);
        ASSERT_NE(image, nullptr) << texture;
        EXPECT_EQ(image->GetWidth(), 96);
        EXPECT_EQ(image->GetHeight(), 96);
        contents.insert(bytes);
    }
    EXPECT_EQ(contents.size(), 7u) << "textures are distinct images";
}

TEST(SyntheticCatalogue, MarksWheelColoursAndOneMixingBasePerProduct) {
    SyntheticOptions options;
    options.colours = 25;
    options.productSize = 10;
    options.wheel = true;
    options.mixingBase = true;
    testsupport::TempFolder folder;
    const ReadCatalogue catalogue = Write(folder, options);

    std::map<std::string, int> basesOfProduct;
    for (const Attributes& c : catalogue.colours) {
        EXPECT_EQ(c.at("wheel"), "true");
        basesOfProduct[c.at("name")] += c.at("auxiliaryColourTable") == "true";
    }
    ASSERT_EQ(basesOfProduct.size(), 3u);
    for (const auto& [product, bases] : basesOfProduct)
        EXPECT_EQ(bases, 1) << product;
}

TEST(SyntheticCatalogue, IsFixedByItsSeed) {
    SyntheticOptions options;
    options.colours = 50;
    options.textures = 2;
    options.textureSize = 32;
    testsupport::TempFolder first, second, other;
    WriteSyntheticCatalogue(first.GetPath(), options);
    WriteSyntheticCatalogue(second.GetPath(), options);
    options.seed = 2;
    WriteSyntheticCatalogue(other.GetPath(), options);
    EXPECT_TRUE(ReadTree(first.GetPath()) == ReadTree(second.GetPath()));
    EXPECT_FALSE(ReadTree(first.GetPath()) == ReadTree(other.GetPath()));
}

TEST(SyntheticCatalogue, EmptyCatalogueIsStillWellFormed) {
    SyntheticOptions options;
    options.colours = 0;
    options.auxiliaryColours = 0;
    testsupport::TempFolder folder;
    const ReadCatalogue catalogue = Write(folder, options);
    EXPECT_TRUE(catalogue.colours.empty());
    EXPECT_TRUE(catalogue.auxiliaryColours.empty());
    EXPECT_EQ(catalogue.settings.size(), 2u);
}

TEST(SyntheticCatalogue, RefusesUnusableOptionsBeforeWritingAnything) {
    const auto with = [](auto change) {
        SyntheticOptions options;
        change(options);
        return options;
    };
    const SyntheticOptions refused[] = {
        with([](SyntheticOptions& o) { o.colours = -1; }),
        with([](SyntheticOptions& o) { o.productSize = 0; }),
        with([](SyntheticOptions& o) { o.productSize = MaxProductSize + 1; }),
        with([](SyntheticOptions& o) { o.textureSize = 0; }),
        with([](SyntheticOptions& o) { o.textureSize = MaxTextureSize + 1; }),
        with([](SyntheticOptions& o) { o.textures = -3; }),
        with([](SyntheticOptions& o) { o.productsPerSurface = 0; }),
        with([](SyntheticOptions& o) { o.surfacesPerMode = -2; }),
        with([](SyntheticOptions& o) { o.auxiliaryColours = -1; }),
    };
    for (const SyntheticOptions& options : refused) {
        EXPECT_FALSE(CheckSyntheticOptions(options).empty());
        testsupport::TempFolder folder;
        EXPECT_THROW(WriteSyntheticCatalogue(folder.GetPath() / "out", options), std::invalid_argument);
        EXPECT_FALSE(std::filesystem::exists(folder.GetPath() / "out"));
    }
    EXPECT_TRUE(CheckSyntheticOptions(SyntheticOptions{}).empty());
}

TEST(SyntheticCatalogue, ReportsAFolderThatCannotBeWritten) {
    testsupport::TempFolder folder;
    folder.Write("taken", "a file where the catalogue folder should go");
    SyntheticOptions options;
    options.colours = 3;
    EXPECT_THROW(WriteSyntheticCatalogue(folder.GetPath() / "taken", options), std::runtime_error);
}

} // namespace
