#include "export/BmpImage.h"

#include "BmpFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

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
    EXPECT_EQ(ListFiles(folder.GetPath()), std::vector<std::string>{"t.bmp"});
}

INSTANTIATE_TEST_SUITE_P(Sizes, BmpRoundTrip,
                         ::testing::Values(std::pair{5, 3}, std::pair{4, 2}, std::pair{1, 1}, std::pair{1, 7},
                                           std::pair{6, 1}));

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
    EXPECT_EQ(ListFiles(folder.GetPath()), (std::vector<std::string>{"taken.bmp", "taken.bmp/inside"}));
}

} // namespace
