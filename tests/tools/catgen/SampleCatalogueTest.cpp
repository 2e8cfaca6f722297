#include "CatalogueReader.h"
#include "support/TempFolder.h"
#include "support/XercesEnvironment.h"
#include "tools/catgen/CatalogueGenerator.h"

#include "host/FileTypes.h"
#include "host/Image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const auto* const xerces = ::testing::AddGlobalTestEnvironment(new testsupport::XercesEnvironment);

const char* const colourAttributes[] = {
    "mode", "surface", "name",  "description", "structure", "colourName", "red",   "green",
    "blue", "texture", "wheel", "remarks",     "ared",      "agreen",     "ablue", "auxiliaryColourTable"};

using Attributes = ReadCatalogue::Attributes;

bool HasSolidColour(const Attributes& c) {
    return c.at("red") != "-1";
}
bool HasTexture(const Attributes& c) {
    return !c.at("texture").empty();
}

class SampleCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new testsupport::TempFolder;
        WriteSampleCatalogue(folder->GetPath());
        catalogue = new ReadCatalogue(ReadCatalogueFile(folder->GetPath() / "colours.xml"));
    }
    static void TearDownTestSuite() {
        delete catalogue;
        delete folder;
    }

    static testsupport::TempFolder* folder;
    static ReadCatalogue* catalogue;
};

testsupport::TempFolder* SampleCatalogue::folder = nullptr;
ReadCatalogue* SampleCatalogue::catalogue = nullptr;

TEST_F(SampleCatalogue, EveryColourCarriesAllSixteenAttributesWithValidValues) {
    for (const Attributes& c : catalogue->colours) {
        for (const char* attribute : colourAttributes)
            ASSERT_TRUE(c.count(attribute)) << attribute << " missing in " << c.at("colourName");
        for (const std::string prefix : {"", "a"}) {
            const bool absent = c.at(prefix + "red") == "-1";
            for (const char* channel : {"red", "green", "blue"}) {
                const int value = std::stoi(c.at(prefix + channel));
                EXPECT_EQ(value == -1, absent)
                    << "a colour is either whole or absent: " << c.at("colourName");
                EXPECT_TRUE(value == -1 || (value >= 0 && value <= 255)) << c.at("colourName");
            }
        }
        for (const char* flag : {"wheel", "auxiliaryColourTable"})
            EXPECT_TRUE(c.at(flag) == "true" || c.at(flag) == "false");
        EXPECT_FALSE(c.at("colourName").empty());
    }
}

TEST_F(SampleCatalogue, TextureOnlyColoursCarryTheirTextureTintAsSecondColour) {
    for (const Attributes& c : catalogue->colours) {
        if (HasTexture(c) && !HasSolidColour(c)) {
            EXPECT_NE(c.at("ared"), "-1") << c.at("colourName");
        }
    }
}

TEST_F(SampleCatalogue, SettingsGiveTheWebLinkAndTheColourAmount) {
    const auto& settings = catalogue->settings;
    EXPECT_NE(std::find(settings.begin(), settings.end(),
                        std::pair<std::string, std::string>("weblink", "https://www.tarnova.example/szinek")),
              settings.end());
    EXPECT_NE(std::find(settings.begin(), settings.end(),
                        std::pair<std::string, std::string>("colourmixer.amountofcolour", "0.6")),
              settings.end());
}

TEST_F(SampleCatalogue, EveryTextureIsASquareJpegOfAFewHundredPixels) {
    std::set<std::string> textures;
    bool backslash = false;
    for (const Attributes& c : catalogue->colours) {
        if (HasTexture(c)) {
            textures.insert(c.at("texture"));
            backslash = backslash || c.at("texture").find('\\') != std::string::npos;
        }
    }
    EXPECT_TRUE(backslash);
    EXPECT_GE(textures.size(), 10u);
    const std::int32_t jpeg = host::LookUpFileType("image/jpeg");
    for (const std::string& texture : textures) {
        const std::string bytes = ReadBytes(ResolveTexture(folder->GetPath(), texture));
        ASSERT_GE(bytes.size(), 2u);
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF) << texture;
        EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8) << texture;
        const auto image = host::Image::Decode(bytes.data(), bytes.size(), jpeg);
        ASSERT_NE(image, nullptr) << texture;
        EXPECT_EQ(image->GetWidth(), image->GetHeight()) << texture;
        EXPECT_GE(image->GetWidth(), 200) << texture;
        EXPECT_LE(image->GetWidth(), 600) << texture;
    }
}

TEST(SampleCatalogueRuns, WriteTheSameBytesEveryTime) {
    testsupport::TempFolder first;
    testsupport::TempFolder second;
    WriteSampleCatalogue(first.GetPath());
    WriteSampleCatalogue(second.GetPath());
    const auto firstTree = ReadTree(first.GetPath());
    EXPECT_GT(firstTree.size(), 10u);
    EXPECT_TRUE(firstTree == ReadTree(second.GetPath()));
}

} // namespace
