#include "AddOnResources.h"
#include "host/ResourceTypes.h"

namespace {

struct StringCase {
    std::int32_t list;
    std::int32_t item;
    const char* bytes;
};

class StringLists : public AddOnResources, public ::testing::WithParamInterface<StringCase> {};

TEST_P(StringLists, ItemHoldsItsCentralEuropeanBytes) {
    std::string text;
    ASSERT_TRUE(host::GetResourceString(text, GetParam().list, GetParam().item));
    EXPECT_EQ(text, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(AddOn, StringLists,
                         ::testing::Values(StringCase{32000, 1, "Tarnova Tintbook for Corvenna"},
                                           StringCase{32000, 2, "Tarnova Tintbook for Corvenna."},
                                           StringCase{32500, 1, "Tarnova"},
                                           StringCase{32500, 2, "&Tarnova Sz\xEDnv\xE1laszt\xF3"},
                                           StringCase{32520, 1, "Tarnova"},
                                           StringCase{32520, 2, "Tarnova Sz\xEDnv\xE1laszt\xF3"}));

TEST_F(AddOnResources, StringListCountsTheBytesThatFollow) {
    for (const std::int32_t list : {32000, 32500, 32520, 18000}) {
        const auto bytes = Load(host::StringListResource, list);
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(Get32(bytes, 0), bytes.size() - 4) << list;
        EXPECT_EQ(bytes.back(), 0) << list;
    }
    EXPECT_EQ(Load(host::StringListResource, 32500).size(), 4u + 8 + 22);
}

TEST_F(AddOnResources, MissingListsAndItemsAreRefusedWithoutTouchingTheOutput) {
    const struct {
        std::int32_t list, item;
    } missing[] = {{32000, 0}, {32000, 3}, {32000, -1}, {32001, 1}, {31600, 1}, {0, 1}};
    for (const auto& m : missing) {
        std::string text = "unchanged";
        EXPECT_FALSE(host::GetResourceString(text, m.list, m.item)) << m.list << " " << m.item;
        EXPECT_EQ(text, "unchanged");
    }
}

TEST_F(AddOnResources, NoStringsWithoutAnActiveModule) {
    host::ResourceModuleScope none(host::NoResourceModule);
    std::string text;
    EXPECT_FALSE(host::GetResourceString(text, 32000, 1));
    EXPECT_EQ(host::LoadResource(host::StringListResource, 32000), nullptr);
}

TEST_F(AddOnResources, HostReadRecordsHaveTheirShape) {
    EXPECT_EQ(Load(host::IdentificationResource, 32500).size(), 8u);

    const auto numbers = Load(host::NumberListResource, 18000);
    ASSERT_GE(numbers.size(), 4u);
    EXPECT_EQ(numbers.size(), 4 + 4 * Get32(numbers, 0));

    // VS_VERSIONINFO: its own length first, then the fixed file information after the key.
    const auto version = Load(host::VersionResource, 1);
    ASSERT_GE(version.size(), 92u);
    EXPECT_EQ(Get16(version, 0), version.size());
    EXPECT_EQ(Get16(version, 2), 52u);
    EXPECT_EQ(Get32(version, 40), 0xFEEF04BDu);
}

TEST_F(AddOnResources, ItemNameTableNamesTheDialogAndItsItems) {
    const auto table = Load(host::ItemNameTableResource, 6001);
    const char* expected[] = {"Button_0",     "Separator_0", "Button_1",    "Button_2",    "Separator_2",
                              "Button_3",     "Button_4",    "Button_5",    "Picture_0",   "LeftText_0",
                              "CenterText_0", "LeftText_1",  "Separator_3", "LeftText_2",  "LeftText_3",
                              "IntEdit_0",    "Button_6",    "Button_7",    "Separator_4", "Separator_5",
                              "TextEdit_0",   "Separator_6", "Icon_0",      "Icon_1",      "Picture_1"};
    const std::string bytes(table.begin(), table.end());
    std::size_t pos = bytes.find('\0');
    ASSERT_NE(pos, std::string::npos);
    EXPECT_EQ(bytes.substr(0, pos), "DLG_TINTBOOK");
    ++pos;
    ASSERT_EQ(Get16(table, pos), 25u);
    pos += 2;
    for (int id = 1; id <= 25; ++id) {
        ASSERT_EQ(Get16(table, pos), std::uint32_t(id));
        const std::size_t end = bytes.find('\0', pos + 2);
        ASSERT_NE(end, std::string::npos);
        EXPECT_EQ(bytes.substr(pos + 2, end - pos - 2), expected[id - 1]) << id;
        pos = end + 1;
    }
    EXPECT_EQ(pos, bytes.size());
}

} // namespace
