// File locations as Windows writes paths: drives and network shares, both separators, and names
// that would reach outside their folder.

#include "FileLocationAppend.h"

namespace {

INSTANTIATE_TEST_SUITE_P(
    FileLocation, AppendName,
    ::testing::Values(AppendCase{"C:\\data", "colours.xml", host::NoError, "C:\\data\\colours.xml"},
                      AppendCase{"C:\\", "data", host::NoError, "C:\\data"},
                      AppendCase{"C:/data", "Tarnova anyagok", host::NoError, "C:\\data\\Tarnova anyagok"},
                      AppendCase{"\\\\server\\share", "a.jpg", host::NoError, "\\\\server\\share\\a.jpg"},
                      AppendCase{"C:\\data", "a\\b.jpg", host::FileErrBadName, "C:\\data"},
                      AppendCase{"C:\\data", "a/b.jpg", host::FileErrBadName, "C:\\data"},
                      AppendCase{"C:\\data", "D:", host::FileErrBadName, "C:\\data"},
                      AppendCase{"C:\\data", "a.jpg:stream", host::FileErrBadName, "C:\\data"},
                      AppendCase{"C:\\data", "", host::FileErrBadName, "C:\\data"},
                      AppendCase{"C:\\data", std::string("a\0b", 3), host::FileErrBadName, "C:\\data"},
                      AppendCase{"C:\\data\\img", "..", host::NoError, "C:\\data"},
                      AppendCase{"C:\\data", "..", host::NoError, "C:\\"},
                      AppendCase{"C:\\", "..", host::NoError, "C:\\"},
                      AppendCase{"\\\\server\\share", "..", host::NoError, "\\\\server\\share\\"}));

TEST(FileLocation, ParentAndNameGoTogether) {
    host::FileLocation location("C:\\data\\img\\a.jpg");
    host::UniString name;
    ASSERT_EQ(location.GetLastLocalName(name), host::NoError);
    EXPECT_EQ(name.ToStdString(), "a.jpg");
    ASSERT_EQ(location.RemoveLastName(), host::NoError);
    EXPECT_EQ(PathOf(location), "C:\\data\\img");
    ASSERT_EQ(location.RemoveLastName(), host::NoError);
    ASSERT_EQ(location.RemoveLastName(), host::NoError);
    EXPECT_EQ(PathOf(location), "C:\\");
    EXPECT_EQ(location.RemoveLastName(), host::FileErrNoName);
}

TEST(FileLocation, PathsAreHeldLexicallyNormalWithTheSystemsSeparator) {
    EXPECT_EQ(PathOf(host::FileLocation("C:/a/./b/../c/")), "C:\\a\\c");
    EXPECT_EQ(PathOf(host::FileLocation("C:\\a\\\\b")), "C:\\a\\b");
    EXPECT_EQ(host::FileLocation("c:\\a\\b\\..\\c"), host::FileLocation("c:/a/c"));
}

TEST(FileLocation, OnlyDrivesWithTheirRootAndSharesAreAbsolute) {
    for (const char* absolute : {"C:\\x", "c:/x", "\\\\server\\share\\x"}) {
        EXPECT_TRUE(host::FileLocation(absolute).IsValid()) << absolute;
    }
    for (const char* relative : {"x", "C:x", "\\x", "/x"}) {
        EXPECT_FALSE(host::FileLocation(relative).IsValid()) << relative;
    }
}

} // namespace
