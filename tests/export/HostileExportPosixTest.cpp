// The export into a texture folder that is missing, a file or read-only, and onto a disk that fills:
// nothing is written, the export goes on. File rights and size limits as POSIX systems have them.

#include "export/MaterialExport.h"

#include "HostileExport.h"
#include "support/ChildProcess.h"

#include <fstream>
#include <iterator>

// Every byte but "/" and NUL may stand in a file's name.
std::vector<NameCase> PlatformNameCases() {
    return {NameCase{"Backslashes", "..\\..\\kiszökött", "tex.bmp ..\\..\\kiszökött.bmp"},
            NameCase{"ControlCharacters", "a\x01\x1F\x7F\tb\nc", "tex.bmp a\x01\x1F\x7F\tb\nc.bmp"}};
}

namespace {

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
        EXPECT_EQ(host.materials[0].locationPath, testsupport::Utf8String(TextureFolder() / testsupport::Utf8Path("tex.bmp Hóvirág.bmp")));
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
