// File permissions as POSIX systems keep them.

#include "catalogue/ReadWholeFile.h"
#include "catalogue/TNResult.h"

#include "support/ChildProcess.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testsupport::TempFolder;

TEST(ReadWholeFile, AFileThatCannotBeOpenedIsTheAddOnsOwnFailure) {
    TempFolder folder;
    const auto path = folder.Write("locked", "secret");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    const auto inChild = [&] {
        ASSERT_TRUE(testsupport::EnforceFilePermissions());
        std::vector<std::uint8_t> bytes;
        EXPECT_EQ(ReadWholeFile(folder.GetLocation("locked"), bytes), TNErrCannotRead);
        EXPECT_TRUE(bytes.empty());
    };
    EXPECT_TRUE(testsupport::PassesInChildProcess(inChild));
}

} // namespace
