#include "host/DialogTemplate.h"
#include "AddOnResources.h"
#include "host/ResourceTypes.h"

namespace {

using host::DialogItemKind;
using host::DialogTemplate;
using host::DialogTemplateItem;

// The colour chooser as its layout table gives it; popups carry their opened height.
const DialogTemplateItem chooserItems[] = {
    {1, DialogItemKind::PushButton, 9, 680, 163, 25, 1, 0, 0, "Bez\xE1r"},
    {2, DialogItemKind::Picture, 5, 14, 355, 74, 0, 0, 32600, ""},
    {3, DialogItemKind::LeftText, 7, 94, 356, 17, 0, 0, 0, "Fel\xFClet kiv\xE1laszt\xE1sa:"},
    {4, DialogItemKind::PopUp, 8, 115, 350, 80, 0, 3, 0, ""},
    {5, DialogItemKind::PopUp, 8, 141, 350, 80, 0, 3, 0, ""},
    {6, DialogItemKind::PopUp, 8, 167, 350, 80, 0, 3, 0, ""},
    {7, DialogItemKind::PushCheck, 10, 194, 166, 21, 3, 0, 0, "V\xE1laszthat\xF3 sz\xEDnmint\xE1k"},
    {8, DialogItemKind::PushCheck, 190, 194, 166, 21, 3, 0, 0, "Sz\xEDnv\xE1laszt\xF3"},
    {9, DialogItemKind::LeftText, 7, 427, 141, 17, 0, 0, 0, "RGB Sz\xEDn:"},
    {10, DialogItemKind::LeftText, 148, 427, 210, 17, 0, 0, 0, "Kiv\xE1lasztott sz\xEDn:"},
    {11, DialogItemKind::HorizontalSeparator, 7, 491, 352, 0, 0, 0, 0, ""},
    {12, DialogItemKind::PushButton, 9, 498, 348, 25, 1, 0, 0,
     "A kiv\xE1lasztott sz\xEDn hozz\xE1"
     "ad\xE1sa a list\xE1hoz"},
    {13, DialogItemKind::PushButton, 9, 597, 348, 25, 1, 0, 0, "Sz\xEDn t\xF6rl\xE9se a list\xE1r\xF3l"},
    {14, DialogItemKind::HorizontalSeparator, 7, 627, 352, 0, 0, 0, 0, ""},
    {15, DialogItemKind::PushButton, 9, 637, 163, 25, 1, 0, 0,
     "Export\xE1l\xE1s az anyaglist\xE1"
     "ba"},
    {16, DialogItemKind::VerticalSeparator, 179, 635, 0, 71, 1, 0, 0, ""},
    {17, DialogItemKind::IconPushButton, 280, 634, 72, 72, 2, 0, 32610, ""},
};

void ExpectSameItem(const DialogTemplateItem& actual, const DialogTemplateItem& expected) {
    SCOPED_TRACE(expected.id);
    EXPECT_EQ(actual.id, expected.id);
    EXPECT_EQ(actual.kind, expected.kind);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
    EXPECT_EQ(actual.style, expected.style);
    EXPECT_EQ(actual.value, expected.value);
    EXPECT_EQ(actual.resourceId, expected.resourceId);
    EXPECT_EQ(actual.text, expected.text);
}

void ExpectSameTemplate(const DialogTemplate& actual, const DialogTemplate& expected) {
    EXPECT_EQ(actual.title, expected.title);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
    ASSERT_EQ(actual.items.size(), expected.items.size());
    for (std::size_t i = 0; i < expected.items.size(); ++i)
        ExpectSameItem(actual.items[i], expected.items[i]);
}

DialogTemplate Chooser() {
    DialogTemplate dialog;
    dialog.title = "Tarnova Sz\xEDnv\xE1laszt\xF3";
    dialog.width = 366;
    dialog.height = 723;
    dialog.items.assign(std::begin(chooserItems), std::end(chooserItems));
    return dialog;
}

std::optional<DialogTemplate> Parse(const std::vector<std::uint8_t>& bytes) {
    return DialogTemplate::Parse(bytes.data(), bytes.size());
}

TEST_F(AddOnResources, ChooserTemplateMatchesItsLayoutTable) {
    const auto parsed = Parse(Load(host::DialogTemplateResource, 31600));
    ASSERT_TRUE(parsed);
    ExpectSameTemplate(*parsed, Chooser());
}

TEST(DialogTemplateBytes, RoundTripKeepsEveryField) {
    DialogTemplate dialog = Chooser();
    dialog.items.push_back({-5, DialogItemKind::LeftText, -20, -1, 32767, 1, -7, -32768, -1, "\x80\xFF"});
    const auto parsed = Parse(dialog.Serialize());
    ASSERT_TRUE(parsed);
    ExpectSameTemplate(*parsed, dialog);

    const auto empty = Parse(DialogTemplate{}.Serialize());
    ASSERT_TRUE(empty);
    ExpectSameTemplate(*empty, DialogTemplate{});
}

TEST(DialogTemplateBytes, EveryTruncationIsRefused) {
    const auto bytes = Chooser().Serialize();
    for (std::size_t length = 0; length < bytes.size(); ++length)
        EXPECT_FALSE(DialogTemplate::Parse(bytes.data(), length)) << length;
}

TEST(DialogTemplateBytes, MalformedBytesAreRefused) {
    const auto good = Chooser().Serialize();
    // Offsets in the first item: the header is magic (4), width, height (2 each), the title's
    // length (2) and its 20 bytes, and the item count (2).
    const std::size_t firstItem = 4 + 2 + 2 + 2 + 20 + 2;
    const struct {
        const char* what;
        std::size_t at;
        std::uint8_t value;
    } corruptions[] = {
        {"magic", 0, 'X'},
        {"negative dialog width", 5, 0x80},
        {"item count beyond the bytes", firstItem - 2, 18},
        {"unknown item kind", firstItem + 2, 9},
        {"item kind 0", firstItem + 2, 0},
        {"negative item width", firstItem + 9, 0xFF},
        {"repeated item id", firstItem + 22 + 5, 1}, // item 2's id, after item 1 and "Bezár"
        {"NUL in the title", 10, 0},
    };
    ASSERT_TRUE(Parse(good));
    for (const auto& c : corruptions) {
        auto bytes = good;
        bytes.at(c.at) = c.value;
        EXPECT_FALSE(Parse(bytes)) << c.what;
    }

    auto longer = good;
    longer.push_back(0);
    EXPECT_FALSE(Parse(longer)) << "trailing byte";
    EXPECT_FALSE(DialogTemplate::Parse(nullptr, 0));

    std::vector<std::uint8_t> garbage(good.size());
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = std::uint8_t(i * 37 + 11);
    EXPECT_FALSE(Parse(garbage));
}

TEST(DialogTemplateBytes, TextsThatCannotBeStoredAreRefused) {
    DialogTemplate dialog = Chooser();
    dialog.items[0].text = std::string("a\0b", 3);
    EXPECT_THROW(dialog.Serialize(), std::invalid_argument);
}

} // namespace
