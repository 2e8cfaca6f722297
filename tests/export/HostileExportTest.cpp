// The export with names and folders that could make it write where it must not, or leave half a
// file: nothing is ever written outside "Tarnova anyagok", a file there is whole or absent, every
// chosen colour still becomes a material and the success message still comes once.
//
// Covered elsewhere (MaterialExportTest, BmpImageTest, the POSIX tests of broken folders and full
// disks): names holding "/" or NUL, unreadable and oversized textures, a link at the file's path, a
// write that runs out of room in the test's own process.

#include "export/MaterialExport.h"

#include "HostileExport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

class HostileColourName : public HostileExport, public ::testing::WithParamInterface<NameCase> {};

TEST_P(HostileColourName, WritesOneWholeFileInsideTheTextureFolderOrNone) {
    Files expected = Everything();
    if (GetParam().file) {
        expected.push_back("Tarnova anyagok/" + *GetParam().file);
        std::sort(expected.begin(), expected.end());
    }
    Choose(0, GetParam().colourName);
    ::testing::internal::CaptureStdout();
    const bool textured = ExportChosenColours(store);
    ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(textured);
    EXPECT_EQ(Everything(), expected);
    if (GetParam().file) {
        const BmpFile file = ReadBmpFile(TextureFolder() / testsupport::Utf8Path(*GetParam().file));
        EXPECT_TRUE(file.read);
        EXPECT_EQ(file.width, 64);
    }
    ASSERT_EQ(host.materials.size(), 1u);
    EXPECT_EQ(host.alerts.size(), 1u);
}

std::vector<NameCase> NameCases() {
    std::vector<NameCase> cases{NameCase{"Dots", "..", "tex.bmp ...bmp"},
                                // With the texture's name, the tail and ".bmp", the file name is
                                // longer than a file system allows.
                                NameCase{"TooLongForTheFileSystem", std::string(250, 'x'), std::nullopt}};
    const std::vector<NameCase> platform = PlatformNameCases();
    cases.insert(cases.end(), platform.begin(), platform.end());
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Names, HostileColourName, ::testing::ValuesIn(NameCases()),
                         [](const auto& info) { return info.param.what; });

} // namespace
