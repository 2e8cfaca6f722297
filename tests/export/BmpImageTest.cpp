#include "export/BmpImage.h"

#include "BmpFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

BmpPixel PatternPixel(int column, int row) {
    return {std::uint8_t(7 + row), std::uint8_t(row * 100), std::uint8_t(column * 50), 0};
}

BmpImage PatternImage(int width, int height) {
    BmpImage bmp;
    EXPECT_TRUE(bmp.SetSize(width, height));
    EXPECT_TRUE(bmp.SetBitDepth(24));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            bmp.SetPixel(column, row, PatternPixel(column, row));
        }
    }
    return bmp;
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Odd widths need row padding; a one-pixel row and column are the smallest images.
class BmpRoundTrip : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(BmpRoundTrip, WritesEveryPixelUprightAt24Bits) {
    const auto [width, height] = GetParam();
    TempFolder folder;
    const fs::path path = folder.GetPath() / "t.bmp";
    ASSERT_TRUE(PatternImage(width, height).WriteToFile(path.string()));
    const BmpFile file = ReadBmpFile(path);
    ASSERT_TRUE(file.read);
    EXPECT_EQ(file.bitsPerPixel, 24);
    ASSERT_EQ(file.width, width);
    ASSERT_EQ(file.height, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const BmpPixel expected = PatternPixel(column, row);
            const std::uint8_t* rgb = file.At(column, row);
            ASSERT_EQ(rgb[0], expected.red) << column << "," << row;
            ASSERT_EQ(rgb[1], expected.green) << column << "," << row;
            ASSERT_EQ(rgb[2], expected.blue) << column << "," << row;
        }
    }
    EXPECT_EQ(ListFiles(folder.GetPath()), std::vector<fs::path>{"t.bmp"});
}

INSTANTIATE_TEST_SUITE_P(Sizes, BmpRoundTrip,
                         ::testing::Values(std::pair{5, 3}, std::pair{4, 2}, std::pair{1, 1}, std::pair{1, 7},
                                           std::pair{6, 1}));

// A link at the path is replaced; what it pointed at, elsewhere, stays as it was.
TEST(BmpImage, ALinkAtThePathIsReplacedNotFollowed) {
    TempFolder folder;
    TempFolder elsewhere;
    const fs::path outside = elsewhere.Write("outside.bmp", std::string("outside"));
    fs::create_symlink(outside, folder.GetPath() / "t.bmp");
    ASSERT_TRUE(PatternImage(2, 2).WriteToFile((folder.GetPath() / "t.bmp").string()));
    EXPECT_EQ(Contents(outside), "outside");
    EXPECT_FALSE(fs::is_symlink(folder.GetPath() / "t.bmp"));
    EXPECT_EQ(ReadBmpFile(folder.GetPath() / "t.bmp").width, 2);
}

TEST(BmpImage, RefusalsWarnOnStandardOutput) {
    BmpImage bmp;
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(bmp.SetSize(0, 5));
    EXPECT_FALSE(bmp.SetSize(5, -1));
    EXPECT_FALSE(bmp.SetSize(30000, 30000)); // a file beyond 2 GiB
    EXPECT_FALSE(bmp.SetBitDepth(32));
    EXPECT_FALSE(bmp.WriteToFile("/tmp/never-written.bmp"));
    const std::string output = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(bmp.GetWidth(), 0);
    EXPECT_FALSE(fs::exists("/tmp/never-written.bmp"));
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 5) << output;
    EXPECT_EQ(output.rfind("BMP warning", 0), 0u) << output;
}

TEST(BmpImage, AFailedWriteLeavesThePathAsItWas) {
    TempFolder folder;
    const BmpImage bmp = PatternImage(4, 4);
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(bmp.WriteToFile((folder.GetPath() / "missing/t.bmp").string()));
    fs::create_directory(folder.GetPath() / "taken.bmp");
    folder.Write("taken.bmp/inside", std::string("kept"));
    EXPECT_FALSE(bmp.WriteToFile((folder.GetPath() / "taken.bmp").string()));
    const std::string output = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find("BMP warning"), std::string::npos);
    EXPECT_EQ(ListFiles(folder.GetPath()), (std::vector<fs::path>{"taken.bmp", "taken.bmp/inside"}));
}

// A disk that fills while the file is written: the old file stays whole and nothing is left over.
TEST(BmpImage, AWriteThatRunsOutOfSpaceKeepsTheOldFile) {
    TempFolder folder;
    const fs::path path = folder.Write("t.bmp", std::string("old contents"));
    const BmpImage bmp = PatternImage(100, 100);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ::testing::internal::CaptureStdout();
    const bool written = bmp.WriteToFile(path.string());
    const std::string output = ::testing::internal::GetCapturedStdout();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_NE(output.find("BMP warning"), std::string::npos);
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(ListFiles(folder.GetPath()), std::vector<fs::path>{"t.bmp"});
}

} // namespace
