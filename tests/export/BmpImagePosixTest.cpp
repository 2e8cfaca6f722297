// Links and file-size limits as POSIX systems have them.

#include "export/BmpImage.h"

#include "BmpFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

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
    EXPECT_EQ(ListFiles(folder.GetPath()), std::vector<std::string>{"t.bmp"});
}

} // namespace
