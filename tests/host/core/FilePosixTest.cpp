// Named pipes, as POSIX systems have them.

#include "host/File.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Opening a pipe for reading would wait for a writer: it is refused like every other file that is
// not a regular one.
TEST(File, APipeIsRefused) {
    testsupport::TempFolder folder;
    ASSERT_EQ(::mkfifo((folder.GetPath() / "pipe").c_str(), 0600), 0);
    std::uint64_t length = 1;
    host::File pipe(folder.GetLocation("pipe"));
    EXPECT_EQ(pipe.OpenForReading(), host::FileErrIo);
    EXPECT_EQ(pipe.GetDataLength(length), host::FileErrIo);
    EXPECT_EQ(pipe.OpenForWriting(true), host::FileErrIo);
}

} // namespace
