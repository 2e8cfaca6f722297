#include "host/StringSet.h"
#include "host/StringTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Values(const host::StringSet& set) {
    std::vector<std::string> values;
    for (const host::UniString& value : set) {
        values.push_back(value.ToStdString());
    }
    return values;
}

TEST(StringSet, KeepsFirstInsertionOrderAndFirstPlaceOfRepeats) {
    host::StringSet set;
    for (const char* value : {"b", "a", "b", "c", "a"}) {
        set.Add(value);
    }
    EXPECT_EQ(Values(set), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(set.GetSize(), 3u);
}

TEST(StringSet, AddAnswersWhetherTheValueWasNew) {
    host::StringSet set;
    EXPECT_TRUE(set.Add("x"));
    EXPECT_FALSE(set.Add("x"));
    EXPECT_TRUE(set.Add(""));
    EXPECT_FALSE(set.Add(""));
}

TEST(StringSet, MembershipIsExactAndCaseSensitive) {
    host::StringSet set;
    set.Add("Matt");
    set.Add("Matt ");
    EXPECT_TRUE(set.Contains("Matt"));
    EXPECT_FALSE(set.Contains("matt"));
    EXPECT_FALSE(set.Contains("Mat"));
    EXPECT_EQ(set.GetSize(), 2u);
    set.Add("MATT");
    EXPECT_EQ(set.GetSize(), 3u);
}

TEST(StringSet, IndexOutOfRangeYieldsNull) {
    host::StringSet set;
    EXPECT_EQ(set.Get(0), nullptr);
    set.Add("only");
    ASSERT_NE(set.Get(0), nullptr);
    EXPECT_EQ(set.Get(0)->ToStdString(), "only");
    EXPECT_EQ(set.Get(1), nullptr);
}

TEST(StringTable, FindsPutsAndReplaces) {
    host::StringTable<int> table;
    EXPECT_EQ(table.Find("a"), nullptr);
    table.Put("a", 1);
    table.Put("A", 2);
    ASSERT_NE(table.Find("a"), nullptr);
    EXPECT_EQ(*table.Find("a"), 1);
    EXPECT_EQ(*table.Find("A"), 2);
    table.Put("a", 5);
    EXPECT_EQ(*table.Find("a"), 5);
    ++*table.Find("a");
    EXPECT_EQ(*table.Find("a"), 6);
    EXPECT_EQ(table.GetSize(), 2u);
}

} // namespace
