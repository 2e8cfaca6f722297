// Catalogue files that attack the loading, or are broken as real files seldom are, each loaded by the
// store's loading sequence from a data folder of its own. The load fails with -7003 or loads what
// it should, quickly, and leaves nothing in the folder but the texture folder it makes.
//
// Covered elsewhere (tests/loading CatalogueParserTest, CatalogueValuesTest): external entities
// and DTDs, entity expansion bombs, truncated and malformed XML, invalid UTF-8, 8-bit encodings,
// values longer than 255 bytes, integers beyond 16 bits, absolute texture paths, textures above
// the catalogue's folder, folders as textures; a product with more colours than its chip grid can
// show (tests/widgets ArrayChipItemBaseTest).

#include "catalogue/TNData.h"
#include "catalogue/TNResult.h"
#include "loading/CatalogueParser.h"
#include "loading/ColourAmount.h"
#include "support/CatalogueXml.h"
#include "support/StoreLoading.h"
#include "support/TempFolder.h"

#include "HostileCatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace fs = std::filesystem;

std::string Climbing(const std::string& absolute) {
    std::string path;
    for (int i = 0; i < 40; ++i) {
        path += "../";
    }
    return path + absolute.substr(1);
}

void ExpectNoTextures(const TNData& store) {
    for (const auto& colour : store.GetCatalogue()->colours) {
        EXPECT_EQ(colour->textureData, nullptr);
        EXPECT_TRUE(colour->blank);
    }
}

namespace {

using testsupport::CatalogueColour;
using testsupport::CatalogueDocument;
using testsupport::Setting;
using testsupport::TempFolder;

const std::string colourList =
    "<colours>" + CatalogueColour("M", "S", "N", "T").ToElement("colour") + "</colours><auxiliaryColours/>";

std::string OneColour() {
    return CatalogueDocument({CatalogueColour("M", "S", "N", "T")});
}

// BMP-plane text as UTF-16 with its byte order mark, in either byte order.
std::string Utf16(const std::string& utf8, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t code = lead & (extra == 2 ? 0x0F : extra == 1 ? 0x1F : 0x7F);
        for (int k = 1; k <= extra; ++k) {
            code = code << 6 | (utf8[i + k] & 0x3F);
        }
        i += 1 + extra;
        const char high = char(code >> 8);
        const char low = char(code & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

std::string Utf16Catalogue(bool bigEndian) {
    std::string xml = CatalogueDocument({CatalogueColour("Külső – fal", "Vakolat", "Szilikon", "kapart")});
    xml.replace(xml.find("UTF-8"), 5, "UTF-16");
    return Utf16(xml, bigEndian);
}

// Grows the file at `relative` to `length` bytes without writing them: the file takes no room.
void Stretch(const TempFolder& folder, const std::string& relative, std::uintmax_t length) {
    fs::resize_file(folder.GetPath() / relative, length);
}

// A path from the data folder up to the root and down to `absolute`.
// `count` colours of one product, written short: the attributes come from the document type's
// defaults.
std::string ColoursFromDefaults(std::size_t count) {
    std::string xml =
        "<!DOCTYPE catalogue [<!ATTLIST colour mode CDATA 'M' surface CDATA 'S' name CDATA 'N' "
        "description CDATA '' structure CDATA 'T' colourName CDATA '' red CDATA '1' green "
        "CDATA '2' blue CDATA '3' texture CDATA '' wheel CDATA '' remarks CDATA '' ared CDATA "
        "'' agreen CDATA '' ablue CDATA '' auxiliaryColourTable CDATA ''>]><catalogue><colours>";
    for (std::size_t i = 0; i < count; ++i) {
        xml += "<colour/>";
    }
    return xml + "</colours><auxiliaryColours/></catalogue>";
}

CatalogueCase AmountCase(const char* name, const char* value, std::uint8_t amount) {
    return {name,
            [value](const TempFolder& folder) {
                folder.Write("colours.xml",
                             CatalogueDocument({CatalogueColour("M", "S", "N", "T")}, {},
                                               {Setting("colourmixer.amountofcolour", value)}));
            },
            host::NoError, 1, [amount](const TNData&) { EXPECT_EQ(colourAmount, amount); }};
}

std::set<fs::path> Listing(const TempFolder& folder) {
    std::set<fs::path> paths;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.GetPath())) {
        paths.insert(fs::relative(entry.path(), folder.GetPath()));
    }
    return paths;
}

class HostileCatalogue : public ::testing::TestWithParam<CatalogueCase> {
protected:
    void SetUp() override { colourAmount = 153; }
    void TearDown() override { colourAmount = 153; }

    TempFolder folder;
};

TEST_P(HostileCatalogue, FailsOrLoadsWhatItShouldAndWritesOnlyTheTextureFolder) {
    GetParam().make(folder);
    std::set<fs::path> expected = Listing(folder);
    expected.insert("Tarnova anyagok");
    TNData store;
    EXPECT_EQ(testsupport::LoadStoreFrom(store, folder, ""), GetParam().result);
    ASSERT_NE(store.GetCatalogue(), nullptr);
    EXPECT_EQ(store.GetCatalogue()->colours.size(), GetParam().colours);
    if (GetParam().check) {
        GetParam().check(store);
    }
    EXPECT_EQ(Listing(folder), expected);
}

std::vector<CatalogueCase> AllCases() {
    std::vector<CatalogueCase> cases{
        CatalogueCase{"HundredThousandNestedElements",
                      [](const TempFolder& folder) {
                          std::string xml = "<catalogue>";
                          for (int i = 0; i < 100000; ++i) {
                              xml += "<d>";
                          }
                          xml += colourList;
                          for (int i = 0; i < 100000; ++i) {
                              xml += "</d>";
                          }
                          folder.Write("colours.xml", xml + "</catalogue>");
                      },
                      host::NoError, 1},
        CatalogueCase{"TextureFolderIsAFile",
                      [](const TempFolder& folder) {
                          folder.Write("Tarnova anyagok", std::string("no folder"));
                          folder.Write("colours.xml", OneColour());
                      },
                      host::NoError, 1},
        CatalogueCase{"TwoHundredMegabytes",
                      [](const TempFolder& folder) {
                          folder.Write("colours.xml", OneColour());
                          Stretch(folder, "colours.xml", 200u << 20);
                      },
                      TNErrCannotRead, 0},
        CatalogueCase{"Utf16LittleEndian",
                      [](const TempFolder& f) { f.Write("colours.xml", Utf16Catalogue(false)); },
                      host::NoError, 1,
                      [](const TNData& store) { EXPECT_EQ(store.GetMode().ToStdString(), "Külső – fal"); }},
        CatalogueCase{
            "Utf16BigEndian", [](const TempFolder& f) { f.Write("colours.xml", Utf16Catalogue(true)); },
            host::NoError, 1,
            [](const TNData& store) { EXPECT_EQ(store.GetProduct().ToStdString(), "Szilikon kapart"); }},
        // The low 8 bits of the amount times 256, truncated.
        AmountCase("ColourAmountOfOne", "1.0", 0), AmountCase("ColourAmountOfMinusOne", "-1", 0),
        AmountCase("ColourAmountOf1e30", "1e30", 0), AmountCase("ColourAmountBeyondAFloat", "1e39", 0),
        AmountCase("ColourAmountOfMinusOneHalf", "-0.5", 128),
        CatalogueCase{
            "TextureOfFourGibibytes",
            [](const TempFolder& folder) {
                folder.Write("huge.bmp", std::string("BM"));
                Stretch(folder, "huge.bmp", std::uintmax_t(4) << 30);
                folder.Write(
                    "colours.xml",
                    CatalogueDocument(
                        {CatalogueColour("M", "S", "N", "T").Set("texture", "huge.bmp").Set("red", "-1")}));
            },
            host::NoError, 1, ExpectNoTextures},
        CatalogueCase{
            "MoreThan32767ColoursInOneGroup",
            [](const TempFolder& folder) { folder.Write("colours.xml", ColoursFromDefaults(32770)); },
            host::NoError, 32770,
            [](const TNData& store) { EXPECT_EQ(store.GetCatalogue()->GetLargestGroup(), 32767); }}};
    const std::vector<CatalogueCase> platform = PlatformCatalogueCases();
    cases.insert(cases.end(), platform.begin(), platform.end());
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Files, HostileCatalogue, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) { return info.param.name; });

TEST(CatalogueSizeLimit, ALongerFileIsNotReadAndTheLimitIsTheReason) {
    TempFolder folder;
    folder.Write("colours.xml", OneColour());
    Stretch(folder, "colours.xml", MaxCatalogueFileLength + 1);
    TNPersistentData catalogue;
    std::string problem;
    EXPECT_FALSE(ParseCatalogueFile(catalogue, folder.GetLocation("colours.xml"), &problem));
    EXPECT_NE(problem.find("longer than 32 MiB"), std::string::npos) << problem;
    EXPECT_TRUE(catalogue.colours.empty());
}

} // namespace
