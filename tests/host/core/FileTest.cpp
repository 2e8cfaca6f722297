#include "host/File.h"
#include "host/FileTypes.h"
#include "host/Folder.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testsupport::TempFolder;

TEST(File, MeasuresOpensReadsAndCloses) {
    TempFolder folder;
    folder.Write("data.bin", std::string("abc\0def", 7));
    host::File file(folder.GetLocation("data.bin"));
    std::uint64_t length = 0;
    ASSERT_EQ(file.GetDataLength(length), host::NoError);
    EXPECT_EQ(length, 7u);
    ASSERT_EQ(file.OpenForReading(), host::NoError);
    EXPECT_EQ(file.OpenForReading(), host::FileErrAlreadyOpen);
    char bytes[7];
    ASSERT_EQ(file.Read(bytes, 7), host::NoError);
    EXPECT_EQ(std::string(bytes, 7), std::string("abc\0def", 7));
    EXPECT_EQ(file.Read(bytes, 1), host::FileErrEof);
    EXPECT_EQ(file.Close(), host::NoError);
    EXPECT_EQ(file.Close(), host::FileErrNotOpen);
    EXPECT_EQ(file.Read(bytes, 1), host::FileErrNotOpen);
}

TEST(File, ReadingMoreThanIsLeftFails) {
    TempFolder folder;
    folder.Write("short", "abc");
    host::File file(folder.GetLocation("short"));
    ASSERT_EQ(file.OpenForReading(), host::NoError);
    char bytes[8];
    EXPECT_EQ(file.Read(bytes, 8), host::FileErrEof);
}

TEST(File, MissingFilesAndFoldersAreRefusedWithTheirOwnCodes) {
    TempFolder folder;
    std::filesystem::create_directory(folder.GetPath() / "sub");
    std::uint64_t length = 1;

    host::File missing(folder.GetLocation("missing"));
    EXPECT_EQ(missing.GetDataLength(length), host::FileErrNotFound);
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(missing.OpenForReading(), host::FileErrNotFound);

    host::File sub(folder.GetLocation("sub"));
    EXPECT_EQ(sub.GetDataLength(length), host::FileErrIsFolder);
    EXPECT_EQ(sub.OpenForReading(), host::FileErrIsFolder);

    host::File nowhere{host::FileLocation()};
    EXPECT_EQ(nowhere.OpenForReading(), host::FileErrNoLocation);
}

TEST(File, WritingCreatesOnlyWhenAsked) {
    TempFolder folder;
    host::File file(folder.GetLocation("new.bmp"));
    EXPECT_EQ(file.OpenForWriting(false), host::FileErrNotFound);
    EXPECT_FALSE(std::filesystem::exists(folder.GetPath() / "new.bmp"));
    ASSERT_EQ(file.OpenForWriting(true), host::NoError);
    ASSERT_EQ(file.Write("hello", 5), host::NoError);
    ASSERT_EQ(file.Close(), host::NoError);

    ASSERT_EQ(file.OpenForWriting(false), host::NoError);
    ASSERT_EQ(file.Write("hi", 2), host::NoError);
    ASSERT_EQ(file.Close(), host::NoError);
    std::uint64_t length = 0;
    ASSERT_EQ(file.GetDataLength(length), host::NoError);
    EXPECT_EQ(length, 2u);
}

TEST(Folder, CreatedWhenMissingAndLeftWhenThere) {
    TempFolder folder;
    host::FileLocation textures = folder.GetLocation("Tarnova anyagok");
    ASSERT_EQ(host::CreateFolderWhenMissing(textures), host::NoError);
    EXPECT_TRUE(std::filesystem::is_directory(folder.GetPath() / "Tarnova anyagok"));
    folder.Write("Tarnova anyagok/kept.bmp", "x");
    EXPECT_EQ(host::CreateFolderWhenMissing(textures), host::NoError);
    EXPECT_TRUE(std::filesystem::exists(folder.GetPath() / "Tarnova anyagok/kept.bmp"));
}

TEST(Folder, RefusesWhatCannotBecomeAFolder) {
    TempFolder folder;
    folder.Write("file", "x");
    EXPECT_EQ(host::CreateFolderWhenMissing(folder.GetLocation("file")), host::FileErrNotFolder);
    EXPECT_EQ(host::CreateFolderWhenMissing(folder.GetLocation("no/such")), host::FileErrNotFound);
    EXPECT_EQ(host::CreateFolderWhenMissing(host::FileLocation()), host::FileErrNoLocation);
}

TEST(FileTypes, KnownMimeTypesHavePositiveDistinctIdentifiers) {
    const std::int32_t bmp = host::LookUpFileType("image/x-bmp");
    const std::int32_t jpeg = host::LookUpFileType("image/jpeg");
    EXPECT_GT(bmp, 0);
    EXPECT_GT(jpeg, 0);
    EXPECT_NE(bmp, jpeg);
    EXPECT_EQ(host::LookUpFileType("image/bmp"), bmp);
    EXPECT_EQ(host::LookUpFileType("IMAGE/JPEG"), jpeg);
    EXPECT_LT(host::LookUpFileType("image/x-unknown"), 0);
    EXPECT_LT(host::LookUpFileType(""), 0);
    EXPECT_LT(host::LookUpFileType("image/jpeg "), 0);
}

} // namespace
