#include "FileLocationAppend.h"

namespace {

INSTANTIATE_TEST_SUITE_P(
    FileLocation, AppendName,
    ::testing::Values(AppendCase{"/data", "colours.xml", host::NoError, "/data/colours.xml"},
                      AppendCase{"/", "data", host::NoError, "/data"},
                      AppendCase{"/data", "Tarnova anyagok", host::NoError, "/data/Tarnova anyagok"},
                      AppendCase{"/data", "a\\b.jpg", host::NoError, "/data/a\\b.jpg"},
                      AppendCase{"/data", "...", host::NoError, "/data/..."},
                      AppendCase{"/data", "", host::FileErrBadName, "/data"},
                      AppendCase{"/data", "a/b", host::FileErrBadName, "/data"},
                      AppendCase{"/data", "/", host::FileErrBadName, "/data"},
                      AppendCase{"/data", "..//x", host::FileErrBadName, "/data"},
                      AppendCase{"/data", std::string("a\0b", 3), host::FileErrBadName, "/data"},
                      AppendCase{"/data/img", ".", host::NoError, "/data/img"},
                      AppendCase{"/data/img", "..", host::NoError, "/data"},
                      AppendCase{"/data", "..", host::NoError, "/"},
                      AppendCase{"/", "..", host::NoError, "/"}, AppendCase{"data", "..", host::NoError, "."},
                      AppendCase{"..", "..", host::NoError, "../.."},
                      AppendCase{"", "x", host::FileErrNoLocation, "<none>"}));

TEST(FileLocation, ParentAndNameGoTogether) {
    host::FileLocation location("/data/img/a.jpg");
    host::UniString name;
    ASSERT_EQ(location.GetLastLocalName(name), host::NoError);
    EXPECT_EQ(name.ToStdString(), "a.jpg");
    ASSERT_EQ(location.RemoveLastName(), host::NoError);
    EXPECT_EQ(PathOf(location), "/data/img");
    ASSERT_EQ(location.RemoveLastName(), host::NoError);
    ASSERT_EQ(location.RemoveLastName(), host::NoError);
    EXPECT_EQ(PathOf(location), "/");
    EXPECT_EQ(location.RemoveLastName(), host::FileErrNoName);
    EXPECT_EQ(location.GetLastLocalName(name), host::FileErrNoName);
    EXPECT_EQ(PathOf(location), "/");
}

TEST(FileLocation, RelativeLocationsKeepTheirMeaning) {
    host::FileLocation single("colours.xml");
    ASSERT_EQ(single.RemoveLastName(), host::NoError);
    EXPECT_EQ(PathOf(single), ".");
    EXPECT_EQ(single.RemoveLastName(), host::FileErrNoName);
    host::FileLocation up("../..");
    EXPECT_EQ(up.RemoveLastName(), host::FileErrNoName);
    EXPECT_EQ(PathOf(up), "../..");
}

TEST(FileLocation, PathsAreHeldLexicallyNormal) {
    EXPECT_EQ(PathOf(host::FileLocation("/a/./b/../c/")), "/a/c");
    EXPECT_EQ(PathOf(host::FileLocation("/a//b")), "/a/b");
    EXPECT_EQ(host::FileLocation("/a/b/../c"), host::FileLocation("/a/c"));
}

TEST(FileLocation, EmptyLocationsHaveNoPathAndAreInvalid) {
    host::FileLocation empty;
    host::UniString text;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_FALSE(empty.IsValid());
    EXPECT_EQ(empty.GetPathString(text), host::FileErrNoLocation);
    EXPECT_EQ(empty.RemoveLastName(), host::FileErrNoLocation);
    EXPECT_EQ(empty.GetLastLocalName(text), host::FileErrNoLocation);
    EXPECT_TRUE(host::FileLocation("/x").IsValid());
    EXPECT_FALSE(host::FileLocation("x").IsValid());
    host::FileLocation cleared("/x");
    cleared.Clear();
    EXPECT_TRUE(cleared.IsEmpty());
}

} // namespace
