// The export with names and folders that could make it write where it must not, or leave half a
// file: nothing is ever written outside "Tarnova anyagok", a file there is whole or absent, every
// chosen colour still becomes a material and the success message still comes once.
//
// Covered elsewhere (MaterialExportTest, BmpImageTest): names holding "/" or NUL, unreadable and
// oversized textures, a link at the file's path, a write that runs out of room in the test's own
// process.

#include "export/MaterialExport.h"

#include "BmpFiles.h"
#include "RecordingHost.h"
#include "catalogue/ColorEntity.h"
#include "catalogue/TNData.h"
#include "loading/ModuleLocation.h"
#include "support/ChildProcess.h"
#include "support/ImageFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;
using Files = std::vector<fs::path>;

// A data folder with a 64 x 64 texture "tex.bmp" and the store's chosen colours, exported into
// its "Tarnova anyagok" unless the test makes that otherwise.
class HostileExport : public ::testing::Test {
protected:
    void SetUp() override {
        data.Write("tex.bmp", testsupport::MakeBmp(64, 64, {90, 140, 200, 255, 0}));
        fs::create_directory(TextureFolder());
        textureLibraryFolder = data.GetLocation("Tarnova anyagok");
    }
    void TearDown() override { textureLibraryFolder = savedFolder; }

    void Choose(std::uint32_t slot, const std::string& colourName) {
        colours.push_back(std::make_unique<ColorEntity>(
            "Belső", "Fal", "Színes", "", "Fal", host::UniString(std::string_view(colourName)), 120, 60, 30,
            data.GetLocation("tex.bmp"), false, "", -1, -1, -1, false, false));
        ASSERT_NE(colours.back()->textureImage, nullptr);
        store.SetChosenColour(slot, colours.back().get());
    }

    fs::path TextureFolder() const { return data.GetPath() / "Tarnova anyagok"; }

    // Everything in the data folder and beside it that the export could have made.
    Files Everything() const {
        Files files = ListFiles(data.GetPath());
        for (const char* escape : {"kiszökött.bmp", "tex.bmp kiszökött.bmp"}) {
            if (fs::exists(data.GetPath().parent_path() / escape)) {
                files.push_back(fs::path("..") / escape);
            }
        }
        return files;
    }

    testsupport::TempFolder data;
    TNData store;
    RecordingHost host;
    std::vector<std::unique_ptr<ColorEntity>> colours;
    host::FileLocation savedFolder = textureLibraryFolder;
};

struct NameCase {
    const char* what;
    std::string colourName;
    std::optional<std::string> file; // the texture file written, or none
};

class HostileColourName : public HostileExport, public ::testing::WithParamInterface<NameCase> {};

TEST_P(HostileColourName, WritesOneWholeFileInsideTheTextureFolderOrNone) {
    Files expected = Everything();
    if (GetParam().file) {
        expected.push_back(fs::path("Tarnova anyagok") / *GetParam().file);
        std::sort(expected.begin(), expected.end());
    }
    Choose(0, GetParam().colourName);
    ::testing::internal::CaptureStdout();
    const bool textured = ExportChosenColours(store);
    ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(textured);
    EXPECT_EQ(Everything(), expected);
    if (GetParam().file) {
        const BmpFile file = ReadBmpFile(TextureFolder() / *GetParam().file);
        EXPECT_TRUE(file.read);
        EXPECT_EQ(file.width, 64);
    }
    ASSERT_EQ(host.materials.size(), 1u);
    EXPECT_EQ(host.alerts.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Names, HostileColourName,
    ::testing::Values(NameCase{"Backslashes", "..\\..\\kiszökött", "tex.bmp ..\\..\\kiszökött.bmp"},
                      NameCase{"ControlCharacters", "a\x01\x1F\x7F\tb\nc", "tex.bmp a\x01\x1F\x7F\tb\nc.bmp"},
                      NameCase{"Dots", "..", "tex.bmp ...bmp"},
                      // With the texture's name, the tail and ".bmp", the file name is longer
                      // than a file system allows.
                      NameCase{"TooLongForTheFileSystem", std::string(250, 'x'), std::nullopt}),
    [](const auto& info) { return info.param.what; });

struct FolderCase {
    const char* what;
    void (*make)(const fs::path& folder);
};

class BrokenTextureFolder : public HostileExport, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(BrokenTextureFolder, GetsNothingWrittenAndTheExportGoesOn) {
    fs::remove(TextureFolder());
    GetParam().make(TextureFolder());
    const Files before = Everything();
    Choose(0, "Hóvirág");
    Choose(1, "Nárcisz");
    // The export runs without the superuser's right to write into a read-only folder.
    const auto inChild = [&] {
        ASSERT_TRUE(testsupport::EnforceFilePermissions());
        ::testing::internal::CaptureStdout();
        EXPECT_TRUE(ExportChosenColours(store));
        const std::string warnings = ::testing::internal::GetCapturedStdout();
        EXPECT_NE(warnings.find("BMP warning"), std::string::npos);
        ASSERT_EQ(host.materials.size(), 2u);
        EXPECT_EQ(host.materials[0].locationPath, (TextureFolder() / "tex.bmp Hóvirág.bmp").string());
        EXPECT_FALSE(host.materials[0].locationExisted);
        EXPECT_EQ(host.alerts.size(), 1u);
    };
    EXPECT_TRUE(testsupport::PassesInChildProcess(inChild));
    EXPECT_EQ(Everything(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, BrokenTextureFolder,
    ::testing::Values(FolderCase{"Missing", [](const fs::path&) {}},
                      FolderCase{"AFileInItsPlace",
                                 [](const fs::path& folder) { std::ofstream(folder) << "no folder"; }},
                      FolderCase{"ReadOnly",
                                 [](const fs::path& folder) {
                                     fs::create_directory(folder);
                                     fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
                                 }}),
    [](const auto& info) { return info.param.what; });

// The disk fills while the export writes: in a process of its own whose files may not grow beyond
// 4 KiB, while the BMP takes 12 KiB.
TEST_F(HostileExport, ADiskThatFillsLeavesTheOldFileWholeAndNothingElse) {
    const fs::path old = data.Write("Tarnova anyagok/tex.bmp Hóvirág.bmp", std::string("old contents"));
    Choose(0, "Hóvirág");
    Choose(1, "Nárcisz");
    const Files before = Everything();
    const auto inChild = [&] {
        ASSERT_TRUE(testsupport::LimitFileSize(4096));
        EXPECT_TRUE(ExportChosenColours(store));
        EXPECT_EQ(host.materials.size(), 2u);
        EXPECT_EQ(host.alerts.size(), 1u);
    };
    EXPECT_TRUE(testsupport::PassesInChildProcess(inChild)) << "the export did not run through";
    EXPECT_EQ(Everything(), before);
    std::ifstream in(old);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old contents");
}

} // namespace
