#include "catalogue/ReadWholeFile.h"
#include "catalogue/ImageFileTypes.h"
#include "catalogue/TNResult.h"
#include "host/FileLocation.h"
#include "host/FileTypes.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using testsupport::TempFolder;

TEST(ReadWholeFile, ReadsEveryByte) {
    TempFolder folder;
    std::string content(100000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) {
        content[i] = static_cast<char>(i * 7);
    }
    folder.Write("t.jpg", content);
    std::vector<std::uint8_t> bytes{1, 2, 3};
    ASSERT_EQ(ReadWholeFile(folder.GetLocation("t.jpg"), bytes), host::NoError);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), content);
}

TEST(ReadWholeFile, AnEmptyFileGivesNoBytes) {
    TempFolder folder;
    folder.Write("empty", "");
    std::vector<std::uint8_t> bytes{1};
    EXPECT_EQ(ReadWholeFile(folder.GetLocation("empty"), bytes), host::NoError);
    EXPECT_TRUE(bytes.empty());
}

TEST(ReadWholeFile, FailuresLeaveNoBytesAndSayWhy) {
    TempFolder folder;
    std::vector<std::uint8_t> bytes{1};
    EXPECT_EQ(ReadWholeFile(folder.GetLocation("missing"), bytes), host::FileErrNotFound);
    EXPECT_TRUE(bytes.empty());
    bytes = {1};
    EXPECT_EQ(ReadWholeFile(folder.GetLocation(), bytes), host::FileErrIsFolder);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(ReadWholeFile(host::FileLocation(), bytes), host::FileErrNoLocation);
}

TEST(ImageFileTypes, AreTheFileLibrarysTypes) {
    LookUpImageFileTypes();
    EXPECT_EQ(bmpFileType, host::LookUpFileType("image/x-bmp"));
    EXPECT_EQ(jpegFileType, host::LookUpFileType("image/jpeg"));
    EXPECT_GT(bmpFileType, 0);
    EXPECT_GT(jpegFileType, 0);
}

} // namespace
