#include "DialogFixture.h"

#include "host/Windows.h"

#include <filesystem>

using namespace dialogtest;
using Names = std::vector<std::string>;

namespace {

std::string FullName(const std::string& product, const std::string& colourName) {
    return "Tarnova " + product + " x " + colourName;
}

TEST_F(DialogTest, DrawnItemsArePlacedAroundTheTemplateItems) {
    Build();
    const std::vector<std::pair<const char*, host::Rect>> expected = {
        {"chipArray", {10, 220, 356, 422}},  {"currentChip", {10, 449, 356, 486}},
        {"slot0", {10, 528, 71, 592}},       {"slot1", {81, 528, 142, 592}},
        {"slot2", {152, 528, 213, 592}},     {"slot3", {223, 528, 284, 592}},
        {"slot4", {294, 528, 356, 592}},     {"picker", {10, 220, 259, 422}},
        {"mixedChip", {262, 227, 342, 414}}, {"nearest0", {262, 227, 342, 282}},
        {"nearest1", {262, 292, 342, 347}},  {"nearest2", {262, 357, 342, 412}}};
    for (const auto& [name, rect] : expected) {
        EXPECT_EQ(Drawn(name).rect, rect) << name;
    }
    for (const char* shown : {"chipArray", "currentChip", "slot0", "slot4"}) {
        EXPECT_TRUE(Drawn(shown).visible) << shown;
    }
    for (const char* hidden : {"picker", "mixedChip", "nearest0", "nearest2"}) {
        EXPECT_FALSE(Drawn(hidden).visible) << hidden;
    }
    // Nothing is filled before the dialog opens.
    EXPECT_TRUE(Item(ModePopup).popUpItems.empty());
    EXPECT_EQ(Item(RgbText).text, "RGB Szín:");
    EXPECT_EQ(Item(SelectedText).text, "Kiválasztott szín:");
    EXPECT_FALSE(dialog->IsTexturesWritten());
}

TEST_F(DialogTest, OpeningFillsThePopupsChipsAndChecksFromTheStore) {
    Open();
    EXPECT_EQ(Item(ModePopup).popUpItems, (Names{"Homlokzat", "Beltér"}));
    EXPECT_EQ(Item(ModePopup).selectedItem, 1);
    EXPECT_EQ(Item(SurfacePopup).popUpItems, (Names{"Vakolat", "Fa"}));
    EXPECT_EQ(Item(ProductPopup).popUpItems, (Names{"Sima x", "Kerék x", "Kever x"}));
    EXPECT_EQ(Item(ProductPopup).selectedItem, 1);
    EXPECT_EQ(ChipNames("chipArray"),
              (Names{FullName("Sima", "Homok"), FullName("Sima", "Tégla"), FullName("Sima", "Fehér")}));
    EXPECT_TRUE(Item(ChipsCheck).on);
    EXPECT_FALSE(Item(PickerCheck).on);
    EXPECT_FALSE(Item(PickerCheck).enabled); // "Sima x" offers no second view
    EXPECT_EQ(Item(PickerCheck).text, "Színválasztó");
}

TEST_F(DialogTest, PopupsNavigateAndRefillTheLevelsBelow) {
    Open();
    ASSERT_TRUE(driver->ChoosePopUpItem(ModePopup, "Beltér"));
    EXPECT_EQ(Item(SurfacePopup).popUpItems, (Names{"Fal"}));
    EXPECT_EQ(Item(ProductPopup).popUpItems, (Names{"Festék x"}));
    EXPECT_EQ(ChipNames("chipArray"), (Names{FullName("Festék", "Hó")}));

    ASSERT_TRUE(driver->ChoosePopUpItem(ModePopup, "Homlokzat"));
    ASSERT_TRUE(driver->ChoosePopUpItem(SurfacePopup, "Fa"));
    EXPECT_EQ(GetTNData().GetProduct().ToStdString(), "Lazúr x");
    EXPECT_EQ(Item(ProductPopup).popUpItems, (Names{"Lazúr x"}));
    EXPECT_EQ(Item(SurfacePopup).selectedItem, 2);

    ASSERT_TRUE(driver->ChoosePopUpItem(SurfacePopup, "Vakolat"));
    ASSERT_TRUE(driver->ChoosePopUpItem(ProductPopup, "Kerék x"));
    EXPECT_EQ(ChipNames("chipArray"),
              (Names{FullName("Kerék", "Piros"), FullName("Kerék", "Zöld"), FullName("Kerék", "Kék")}));
    EXPECT_TRUE(Item(PickerCheck).enabled);
}

TEST_F(DialogTest, AChipBecomesTheCurrentColourWithItsTexts) {
    Open();
    ASSERT_TRUE(driver->ClickElement(DrawnId("chipArray"), 1));
    EXPECT_EQ(GetTNData().GetCurrentColour()->colourName.ToStdString(), "Tégla");
    EXPECT_EQ(Item(RgbText).text, "RGB Szín: 200, 10, 10");
    EXPECT_EQ(Item(SelectedText).text, "Kiválasztott szín: Tégla");
    EXPECT_EQ(ChipName("currentChip"), FullName("Sima", "Tégla"));

    // A texture-only colour has no RGB digits to show.
    ASSERT_TRUE(driver->ChoosePopUpItem(SurfacePopup, "Fa"));
    ASSERT_TRUE(driver->ClickElement(DrawnId("chipArray"), 1));
    EXPECT_EQ(Item(RgbText).text, "RGB Szín:");
    EXPECT_EQ(Item(SelectedText).text, "Kiválasztott szín: ");
}

TEST_F(DialogTest, AddAndRemoveFillAndEmptyTheSelectedSlot) {
    Open();
    ASSERT_TRUE(driver->Click(AddButton)); // nothing current yet: the slot stays empty
    EXPECT_EQ(GetTNData().GetChosenColour(0), nullptr);

    ASSERT_TRUE(driver->ClickElement(DrawnId("chipArray"), 0));
    ASSERT_TRUE(driver->ClickElement(DrawnId("slot3"), 0));
    EXPECT_EQ(GetTNData().GetSelectedSlot(), 3);
    ASSERT_TRUE(driver->Click(AddButton));
    EXPECT_EQ(ChipNames("slot3"), (Names{FullName("Sima", "Homok")}));
    EXPECT_TRUE(Drawn("slot3").elements.front().selected);
    EXPECT_FALSE(Drawn("slot0").elements.front().selected);

    ASSERT_TRUE(driver->Click(RemoveButton));
    EXPECT_EQ(GetTNData().GetChosenColour(3), nullptr);
    EXPECT_EQ(ChipNames("slot3"), (Names{""}));
}

TEST_F(DialogTest, SlotsOutsideTheListAreLeftAlone) {
    Open();
    ASSERT_TRUE(driver->ClickElement(DrawnId("chipArray"), 0));
    for (std::int16_t slot : {std::int16_t{5}, std::int16_t{-1}}) {
        GetTNData().SetSelectedSlot(slot);
        ASSERT_TRUE(driver->Click(AddButton));
        for (std::uint32_t i = 0; i < 5; ++i) {
            EXPECT_EQ(GetTNData().GetChosenColour(i), nullptr) << "slot " << slot;
        }
    }
}

TEST_F(DialogTest, WheelViewProposesTheNearestColoursOfAPick) {
    Open();
    ASSERT_TRUE(driver->ChoosePopUpItem(ProductPopup, "Kerék x"));
    ASSERT_TRUE(driver->Click(PickerCheck));
    EXPECT_EQ(GetTNData().GetViewMode(), ViewModeWheel);
    EXPECT_FALSE(Drawn("chipArray").visible);
    EXPECT_TRUE(Drawn("picker").visible);
    EXPECT_TRUE(Drawn("nearest0").visible);
    EXPECT_FALSE(Drawn("mixedChip").visible);
    EXPECT_TRUE(Item(PickerCheck).on);
    EXPECT_FALSE(Item(ChipsCheck).on);

    // Top left of the spectrum: hue 0, full saturation; then half lightness on the bar: red.
    const std::int16_t picker = DrawnId("picker");
    ASSERT_TRUE(driver->ClickAt(picker, {24, 7}));
    ASSERT_TRUE(driver->ClickAt(picker, {214, 7 + 93}));
    EXPECT_EQ(ChipName("nearest0"), FullName("Kerék", "Piros"));
    ASSERT_TRUE(driver->ClickElement(DrawnId("nearest0"), 0));
    EXPECT_EQ(GetTNData().GetCurrentColour()->colourName.ToStdString(), "Piros");

    // Back to the chips with the other push-check.
    ASSERT_TRUE(driver->Click(ChipsCheck));
    EXPECT_EQ(GetTNData().GetViewMode(), ViewModeChips);
    EXPECT_TRUE(Drawn("chipArray").visible);
    EXPECT_FALSE(Drawn("picker").visible);
}

TEST_F(DialogTest, OnlyTheChipGridShowsAHoverLabel) {
    Open();
    const auto hover = [&](const char* item, std::size_t element) {
        const host::Rect rect = Drawn(item).elements.at(element).rect;
        EXPECT_TRUE(driver->Hover(DrawnId(item), {std::int16_t(rect.GetLeft() + 2), std::int16_t(rect.GetTop() + 2)}));
        host::FlushRedraws();
    };
    hover("chipArray", 1);
    EXPECT_EQ(Drawn("chipArray").label, FullName("Sima", "Tégla"));
    ASSERT_TRUE(driver->ClickElement(DrawnId("chipArray"), 1));
    hover("currentChip", 0);
    EXPECT_EQ(Drawn("currentChip").label, "");
    EXPECT_EQ(Drawn("chipArray").label, "") << "the grid drops its label when the mouse leaves it";

    ASSERT_TRUE(driver->ChoosePopUpItem(ProductPopup, "Kerék x"));
    ASSERT_TRUE(driver->Click(PickerCheck));
    const std::int16_t picker = DrawnId("picker");
    ASSERT_TRUE(driver->Hover(picker, {24, 7}));
    host::FlushRedraws();
    EXPECT_EQ(Drawn("picker").label, "");
}

TEST_F(DialogTest, ClickingThePushCheckThatIsOnKeepsItOn) {
    Open();
    ASSERT_TRUE(driver->ChoosePopUpItem(ProductPopup, "Kerék x"));
    ASSERT_TRUE(driver->Click(ChipsCheck));
    EXPECT_TRUE(Item(ChipsCheck).on);
    EXPECT_FALSE(Item(PickerCheck).on);
    EXPECT_EQ(GetTNData().GetViewMode(), ViewModeChips);
}

TEST_F(DialogTest, MixingViewMixesAndAdoptsAColour) {
    Open();
    ASSERT_TRUE(driver->ChoosePopUpItem(ProductPopup, "Kever x"));
    ASSERT_TRUE(driver->Click(PickerCheck));
    EXPECT_EQ(GetTNData().GetViewMode(), ViewModeMixing);
    EXPECT_TRUE(Drawn("mixedChip").visible);
    EXPECT_FALSE(Drawn("nearest0").visible);
    // The picker starts black: the refresh on switching already mixed from it.
    EXPECT_EQ(ChipName("mixedChip"), "Tarnova Kever x Fekete");

    ASSERT_TRUE(driver->ClickAt(DrawnId("picker"), {214, 7})); // the bar's top: white
    EXPECT_EQ(ChipName("mixedChip"), "Tarnova Kever x Fehér");
    ASSERT_TRUE(driver->ClickElement(DrawnId("mixedChip"), 0));
    const ColorEntity* current = GetTNData().GetCurrentColour();
    ASSERT_NE(current, nullptr);
    EXPECT_TRUE(current->mixed);
    EXPECT_EQ(Item(SelectedText).text, "Kiválasztott szín: Fehér");
}

TEST_F(DialogTest, ExportReportsOnceAndNotesWrittenTextures) {
    Open();
    ASSERT_TRUE(driver->Click(ExportButton)); // an empty list exports nothing
    EXPECT_TRUE(alerts.empty());

    ASSERT_TRUE(driver->ChoosePopUpItem(SurfacePopup, "Fa"));
    ASSERT_TRUE(driver->ClickElement(DrawnId("chipArray"), 0));
    ASSERT_TRUE(driver->Click(AddButton));
    ASSERT_TRUE(driver->Click(ExportButton));
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts[0].title, "Információ");
    EXPECT_EQ(alerts[0].buttons, (Names{"OK"}));
    EXPECT_TRUE(dialog->IsTexturesWritten());
    EXPECT_TRUE(std::filesystem::exists(folder.GetPath() / testsupport::Utf8Path("Tarnova anyagok/fa.jpg Dió.bmp")));
}

TEST_F(DialogTest, CloseButtonEndsTheRunWithAcceptance) {
    Open();
    ASSERT_TRUE(driver->Click(CloseButton));
    host::ProcessPendingEvents();
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_TRUE(dialog->WasAccepted());
}

TEST_F(DialogTest, ReopeningShowsTheSameSelectionListAndView) {
    Open();
    ASSERT_TRUE(driver->ChoosePopUpItem(ProductPopup, "Kerék x"));
    ASSERT_TRUE(driver->ClickElement(DrawnId("chipArray"), 2));
    ASSERT_TRUE(driver->Click(AddButton));
    ASSERT_TRUE(driver->Click(PickerCheck));
    Close();

    Open();
    EXPECT_EQ(Item(ProductPopup).selectedItem, 2);
    EXPECT_EQ(ChipNames("slot0"), (Names{FullName("Kerék", "Kék")}));
    EXPECT_EQ(ChipName("currentChip"), FullName("Kerék", "Kék"));
    EXPECT_TRUE(Drawn("picker").visible);
    EXPECT_TRUE(Item(PickerCheck).on);
}

class WebLink : public DialogTest {
protected:
    std::vector<std::string> Opened(const std::string& link) {
        LoadStore(DialogCatalogue(link));
        Open();
        std::vector<std::string> opened;
        auto previous = host::SetShellOpenHandler([&](std::string_view address) {
            opened.emplace_back(address);
            return true;
        });
        EXPECT_TRUE(driver->Click(WebLinkButton));
        host::SetShellOpenHandler(previous);
        return opened;
    }
};

TEST_F(WebLink, OpensWebAddressesOnly) {
    EXPECT_EQ(Opened("https://www.tarnova.example/szinek"), (Names{"https://www.tarnova.example/szinek"}));
    Close();
    EXPECT_EQ(Opened("www.tarnova.example"), (Names{"http://www.tarnova.example"}));
    Close();
    EXPECT_TRUE(Opened("file:///etc/passwd").empty());
    Close();
    EXPECT_TRUE(Opened("/usr/bin/xterm").empty());
}

} // namespace
