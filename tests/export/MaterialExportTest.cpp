#include "export/MaterialExport.h"

#include "BmpFiles.h"
#include "RecordingHost.h"
#include "catalogue/ColorEntity.h"
#include "catalogue/TNData.h"
#include "export/BmpImage.h"
#include "loading/ColourAmount.h"
#include "loading/ModuleLocation.h"
#include "support/ImageFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;
using Channels = std::array<std::int16_t, 3>;
using Record = std::array<std::byte, 968>;

constexpr Channels None{-1, -1, -1};
constexpr int TextureWidth = 7;
constexpr int TextureHeight = 5;
constexpr std::uint8_t Amount = 100;

// An opaque texture whose every pixel differs, so that a turned or mirrored copy shows.
BmpPixel TexturePixel(int column, int row) {
    return {200, std::uint8_t(row * 40), std::uint8_t(column * 30), 255};
}

std::string NameField(const Record& bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data() + 8));
}

void ExpectZeroOutside(const Record& bytes, std::vector<std::pair<std::size_t, std::size_t>> fields) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool inField = std::any_of(fields.begin(), fields.end(), [i](const auto& field) {
            return i >= field.first && i < field.second;
        });
        if (!inField) {
            ASSERT_EQ(bytes[i], std::byte{0}) << "byte " << i;
        }
    }
}

class MaterialExport : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(data.GetPath() / "Tarnova anyagok");
        textureLibraryFolder = data.GetLocation("Tarnova anyagok");
        colourAmount = Amount;
        BmpImage texture;
        texture.SetSize(TextureWidth, TextureHeight);
        texture.SetBitDepth(24);
        for (int row = 0; row < TextureHeight; ++row) {
            for (int column = 0; column < TextureWidth; ++column) {
                texture.SetPixel(column, row, TexturePixel(column, row));
            }
        }
        ASSERT_TRUE(texture.WriteToFile((data.GetPath() / "tex.bmp").string()));
    }
    void TearDown() override {
        textureLibraryFolder = savedFolder;
        colourAmount = savedAmount;
    }

    // A colour of the product "Színes Fal"; `texture` names a file of the data folder, or nothing.
    ColorEntity& AddColour(const std::string& colourName, Channels rgb, const std::string& texture,
                           Channels auxiliary = None) {
        const host::FileLocation location =
            texture.empty() ? host::FileLocation() : data.GetLocation(texture);
        colours.push_back(std::make_unique<ColorEntity>(
            "Belső", "Fal", "Színes", "", "Fal", host::UniString(std::string_view(colourName)), rgb[0],
            rgb[1], rgb[2], location, false, "", auxiliary[0], auxiliary[1], auxiliary[2], false, false));
        return *colours.back();
    }
    void Choose(std::uint32_t slot, ColorEntity& colour) { store.SetChosenColour(slot, &colour); }

    // The file in the texture folder shows the texture upright, washed with `wash` at Amount.
    void ExpectFileShowsTexture(const std::string& name, Channels wash) const {
        const BmpFile file = ReadBmpFile(TextureFolder() / testsupport::Utf8Path(name));
        ASSERT_TRUE(file.read);
        EXPECT_EQ(file.bitsPerPixel, 24);
        ASSERT_EQ(file.width, TextureWidth);
        ASSERT_EQ(file.height, TextureHeight);
        const double a = wash == None ? 0.0 : Amount / 255.0;
        for (int row = 0; row < TextureHeight; ++row) {
            for (int column = 0; column < TextureWidth; ++column) {
                const BmpPixel t = TexturePixel(column, row);
                const std::array<double, 3> texel{double(t.red), double(t.green), double(t.blue)};
                for (int i = 0; i < 3; ++i) {
                    ASSERT_NEAR(file.At(column, row)[i], wash[i] * a + texel[i] * (1 - a), 1.0)
                        << column << "," << row << " channel " << i;
                }
            }
        }
    }
    fs::path TextureFolder() const { return data.GetPath() / "Tarnova anyagok"; }
    std::string TexturePath(const std::string& name) const {
        return testsupport::Utf8String(TextureFolder() / testsupport::Utf8Path(name));
    }

    testsupport::TempFolder data;
    TNData store;
    RecordingHost host;
    std::vector<std::unique_ptr<ColorEntity>> colours;
    host::FileLocation savedFolder = textureLibraryFolder;
    std::uint8_t savedAmount = colourAmount;
};

TEST_F(MaterialExport, ASolidColourBecomesAPlainMaterial) {
    Choose(2, AddColour("", {12, 200, 7}, ""));
    EXPECT_FALSE(ExportChosenColours(store));

    ASSERT_EQ(host.materials.size(), 1u);
    const Record& bytes = host.materials[0].bytes;
    const std::string name = "Tarnova Színes Fal 122007";
    EXPECT_EQ(FieldAt<std::int32_t>(bytes, 0), 6);
    EXPECT_EQ(NameField(bytes), name);
    EXPECT_EQ(FieldAt<std::int32_t>(bytes, 300), 1);
    EXPECT_EQ(FieldAt<std::int16_t>(bytes, 304), 90);
    EXPECT_EQ(FieldAt<std::int16_t>(bytes, 306), 90);
    EXPECT_EQ(FieldAt<std::int16_t>(bytes, 308), 15);
    EXPECT_EQ(FieldAt<std::int16_t>(bytes, 312), 60);
    EXPECT_EQ(FieldAt<double>(bytes, 320), 12 / 255.0);
    EXPECT_EQ(FieldAt<double>(bytes, 328), 200 / 255.0);
    EXPECT_EQ(FieldAt<double>(bytes, 336), 7 / 255.0);
    for (std::size_t offset : {344, 352, 360}) {
        EXPECT_EQ(FieldAt<double>(bytes, offset), 1.0) << offset;
    }
    ExpectZeroOutside(bytes, {{0, 1}, {8, 8 + name.size()}, {300, 301}, {304, 314}, {320, 368}});
    EXPECT_TRUE(host.materials[0].extensionWasZero);
    EXPECT_TRUE(ListFiles(TextureFolder()).empty());
}

TEST_F(MaterialExport, ATexturedColourGetsAWashedFile) {
    ColorEntity& colour = AddColour("Hóvirág", {120, 60, 30}, "tex.bmp");
    Choose(0, colour);
    EXPECT_TRUE(ExportChosenColours(store));

    ASSERT_EQ(host.materials.size(), 1u);
    const RecordingHost::Material& material = host.materials[0];
    const Record& bytes = material.bytes;
    EXPECT_EQ(NameField(bytes), "Tarnova Színes Fal Hóvirág");
    EXPECT_EQ(FieldAt<std::int32_t>(bytes, 300), 2);
    EXPECT_EQ(FieldAt<std::uint16_t>(bytes, 400), 0x11A1);
    EXPECT_EQ(FieldAt<double>(bytes, 408), 1.0);
    EXPECT_EQ(FieldAt<double>(bytes, 416), 1.0);
    ExpectZeroOutside(
        bytes, {{0, 1}, {8, 300}, {300, 301}, {304, 314}, {320, 368}, {400, 402}, {408, 424}, {952, 960}});
    EXPECT_EQ(material.locationPath, TexturePath("tex.bmp Hóvirág.bmp"));
    EXPECT_TRUE(material.locationExisted);
    EXPECT_EQ(colour.colour.alpha, Amount);
    ExpectFileShowsTexture("tex.bmp Hóvirág.bmp", {120, 60, 30});
    EXPECT_EQ(ListFiles(TextureFolder()), std::vector<std::string>{"tex.bmp Hóvirág.bmp"});
}

TEST_F(MaterialExport, ATextureOnlyColourIsNotWashedAndHasNoTail) {
    ColorEntity& colour = AddColour("", None, "tex.bmp", {10, 20, 30});
    Choose(4, colour);
    EXPECT_TRUE(ExportChosenColours(store));
    ASSERT_EQ(host.materials.size(), 1u);
    EXPECT_EQ(NameField(host.materials[0].bytes), "Tarnova Színes Fal");
    EXPECT_EQ(FieldAt<double>(host.materials[0].bytes, 328), 20 / 255.0);
    EXPECT_EQ(host.materials[0].locationPath, TexturePath("tex.bmp.bmp"));
    EXPECT_EQ(colour.colour.alpha, 255);
    ExpectFileShowsTexture("tex.bmp.bmp", None);
}

struct SurfaceCase {
    Channels colour;
    Channels auxiliary;
    std::array<double, 3> expected;
    const char* name;
};

class MaterialSurface : public MaterialExport, public ::testing::WithParamInterface<SurfaceCase> {};

TEST_P(MaterialSurface, TakesTheSolidColourElseTheAuxiliaryElseBlack) {
    const SurfaceCase& c = GetParam();
    Choose(1, AddColour("", c.colour, "", c.auxiliary));
    EXPECT_FALSE(ExportChosenColours(store));
    ASSERT_EQ(host.materials.size(), 1u);
    const Record& bytes = host.materials[0].bytes;
    EXPECT_EQ(NameField(bytes), c.name);
    EXPECT_EQ(FieldAt<std::int32_t>(bytes, 300), 1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(FieldAt<double>(bytes, 320 + 8 * i), c.expected[i] / 255.0) << i;
    }
    ExpectZeroOutside(bytes, {{0, 300}, {300, 301}, {304, 314}, {320, 368}});
}

INSTANTIATE_TEST_SUITE_P(
    Colours, MaterialSurface,
    ::testing::Values(SurfaceCase{{1, 2, 3}, {40, 50, 60}, {1, 2, 3}, "Tarnova Színes Fal 123"},
                      SurfaceCase{{0, 0, 0}, None, {0, 0, 0}, "Tarnova Színes Fal 000"},
                      SurfaceCase{{-1, 5, 5}, {40, 50, 60}, {40, 50, 60}, "Tarnova Színes Fal"},
                      SurfaceCase{None, None, {0, 0, 0}, "Tarnova Színes Fal"}));

TEST_F(MaterialExport, EverySlotMakesAMaterialAndTheMessageComesOnceAfterAll) {
    ColorEntity& colour = AddColour("Hóvirág", {120, 60, 30}, "tex.bmp");
    Choose(1, colour);
    Choose(3, colour);
    Choose(4, AddColour("Kettő", {2, 2, 2}, ""));
    host::SetAlertResponder([this](const host::AlertRequest& request) {
        EXPECT_EQ(host.materials.size(), 3u);
        host.alerts.push_back(request);
        return std::int16_t(1);
    });
    EXPECT_TRUE(ExportChosenColours(store));
    ASSERT_EQ(host.materials.size(), 3u);
    EXPECT_EQ(NameField(host.materials[0].bytes), "Tarnova Színes Fal Hóvirág");
    EXPECT_EQ(NameField(host.materials[1].bytes), "Tarnova Színes Fal Hóvirág");
    EXPECT_EQ(host.materials[1].locationPath, host.materials[0].locationPath);
    EXPECT_EQ(NameField(host.materials[2].bytes), "Tarnova Színes Fal Kettő");
    EXPECT_EQ(ListFiles(TextureFolder()), std::vector<std::string>{"tex.bmp Hóvirág.bmp"});
    ASSERT_EQ(host.alerts.size(), 1u);
    const host::AlertRequest& alert = host.alerts[0];
    EXPECT_EQ(alert.type, host::AlertType::Information);
    EXPECT_EQ(alert.title, "Információ");
    EXPECT_EQ(
        alert.text,
        "Az anyagok exportálása az Corvenna anyaglistába és a textúra könyvtár betöltése sikeres volt!");
    EXPECT_EQ(alert.detail, "");
    EXPECT_EQ(alert.buttons, std::vector<std::string>{"OK"});
}

TEST_F(MaterialExport, AnEmptyListExportsNothingAndSaysNothing) {
    EXPECT_FALSE(ExportChosenColours(store));
    EXPECT_TRUE(host.materials.empty());
    EXPECT_TRUE(host.alerts.empty());
}

// The texture was readable when the catalogue loaded and is not when the export reads it again.
struct UnreadableCase {
    const char* name;
    std::vector<std::uint8_t> bytes; // empty: the file is gone
};

class UnreadableTexture : public MaterialExport, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableTexture, PointsTheMaterialAtTheFolderAndWritesNothing) {
    ColorEntity& colour = AddColour("Hóvirág", {120, 60, 30}, "tex.bmp");
    ASSERT_NE(colour.textureImage, nullptr);
    if (GetParam().bytes.empty()) {
        fs::remove(data.GetPath() / "tex.bmp");
    } else {
        data.Write("tex.bmp", GetParam().bytes);
    }
    Choose(0, colour);
    EXPECT_TRUE(ExportChosenColours(store));
    ASSERT_EQ(host.materials.size(), 1u);
    EXPECT_EQ(FieldAt<std::int32_t>(host.materials[0].bytes, 300), 2);
    EXPECT_EQ(FieldAt<std::uint16_t>(host.materials[0].bytes, 400), 0x11A1);
    EXPECT_EQ(host.materials[0].locationPath, TextureFolder().string());
    EXPECT_TRUE(ListFiles(TextureFolder()).empty());
    EXPECT_EQ(colour.colour.alpha, 255);
    EXPECT_EQ(host.alerts.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableTexture,
    ::testing::Values(UnreadableCase{"Missing", {}}, UnreadableCase{"NoImage", {'B', 'M', 1, 2, 3}},
                      UnreadableCase{"Png", testsupport::MakePng(4, 4, {1, 2, 3, 255, 0})},
                      UnreadableCase{"BeyondTheSideLimit", testsupport::MakeBmpHeader(20000, 2)},
                      UnreadableCase{"BeyondThePixelLimit", testsupport::MakeBmpHeader(9000, 9000)}),
    [](const auto& info) { return info.param.name; });

// A colour name that would make the file name anything but one name inside the texture folder.
class UnusableFileName : public MaterialExport, public ::testing::WithParamInterface<std::string> {};

TEST_P(UnusableFileName, WritesNoFileAnywhere) {
    // A folder in which "a/b" would land if the name were taken as a path.
    fs::create_directory(TextureFolder() / "tex.bmp a");
    const std::vector<std::string> before = ListFiles(data.GetPath());
    Choose(0, AddColour(GetParam(), {120, 60, 30}, "tex.bmp"));
    EXPECT_TRUE(ExportChosenColours(store));
    ASSERT_EQ(host.materials.size(), 1u);
    EXPECT_EQ(FieldAt<std::int32_t>(host.materials[0].bytes, 300), 2);
    EXPECT_EQ(host.materials[0].locationPath, TextureFolder().string());
    EXPECT_EQ(ListFiles(data.GetPath()), before);
    EXPECT_FALSE(fs::exists(data.GetPath().parent_path() / testsupport::Utf8Path("kiszökött.bmp")));
}

INSTANTIATE_TEST_SUITE_P(Names, UnusableFileName,
                         ::testing::Values("a/b", "/../../kiszökött", "/../../../kiszökött",
                                           std::string("a\0b", 3)));

// The name field holds 291 bytes and its NUL; a longer name loses whole characters only.
struct LongNameCase {
    const char* character;
    std::size_t expectedLength;
};

class LongMaterialName : public MaterialExport, public ::testing::WithParamInterface<LongNameCase> {};

TEST_P(LongMaterialName, IsCutAtACharacterBoundary) {
    std::string colourName;
    for (int i = 0; i < 150; ++i) {
        colourName += GetParam().character;
    }
    ColorEntity& colour = AddColour(colourName, {1, 2, 3}, "");
    Choose(0, colour);
    ExportChosenColours(store);
    ASSERT_EQ(host.materials.size(), 1u);
    const Record& bytes = host.materials[0].bytes;
    const std::string field = NameField(bytes);
    EXPECT_EQ(field.size(), GetParam().expectedLength);
    EXPECT_EQ(field, colour.GetFullName().ToStdString().substr(0, field.size()));
    ExpectZeroOutside(bytes, {{0, 1}, {8, 8 + field.size()}, {300, 301}, {304, 314}, {320, 368}});
}

// "Tarnova Színes Fal " is 20 bytes.
INSTANTIATE_TEST_SUITE_P(Characters, LongMaterialName,
                         ::testing::Values(LongNameCase{"ab", 291}, LongNameCase{"ő", 290},
                                           LongNameCase{"€", 290}, LongNameCase{"\xF0\x9D\x84\x9E", 288}));

// Pixels the texture leaves translucent keep their own colour in the file, not a darkened one.
struct TranslucentCase {
    Channels colour;
    std::array<double, 3> expected;
};

class TranslucentTexture : public MaterialExport, public ::testing::WithParamInterface<TranslucentCase> {};

TEST_P(TranslucentTexture, KeepsEachPixelsOwnColour) {
    data.Write("glass.bmp", testsupport::MakeBmp(4, 3, {200, 100, 50, 128, 0}, 32));
    Choose(0, AddColour("Üveg", GetParam().colour, "glass.bmp"));
    EXPECT_TRUE(ExportChosenColours(store));
    const BmpFile file = ReadBmpFile(TexturePath("glass.bmp Üveg.bmp"));
    ASSERT_TRUE(file.read);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(file.At(3, 2)[i], GetParam().expected[i], 2.0) << i;
    }
}

// Over a texel of alpha t, a wash of alpha w gives alpha w + t (1 - w) and the mean of the two
// colours weighted by w and t (1 - w).
TranslucentCase Washed(Channels wash) {
    const double w = Amount / 255.0;
    const double t = 128 / 255.0;
    const double alpha = w + t * (1 - w);
    const std::array<double, 3> texel{200, 100, 50};
    TranslucentCase c{wash, {}};
    for (int i = 0; i < 3; ++i) {
        c.expected[i] = (wash[i] * w + texel[i] * t * (1 - w)) / alpha;
    }
    return c;
}

INSTANTIATE_TEST_SUITE_P(Washes, TranslucentTexture,
                         ::testing::Values(TranslucentCase{{-1, 0, 0}, {200, 100, 50}}, Washed({0, 0, 255}),
                                           Washed({255, 255, 255})));

} // namespace
