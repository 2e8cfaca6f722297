#include "WidgetTest.h"

#include "catalogue/ColorEntity.h"
#include "support/CatalogueXml.h"
#include "support/StoreEventLog.h"
#include "widgets/ChipItem.h"
#include "widgets/SingleChipItemBase.h"

namespace {

using namespace widgettest;
using testsupport::AuxiliaryColour;
using testsupport::CatalogueColour;
using testsupport::CatalogueDocument;
using Events = std::vector<std::string>;

// A product with a plain colour, a mixing base and a tinting table, so that every role has
// something to do.
std::string MixingCatalogue() {
    return CatalogueDocument(
        {CatalogueColour("M", "S", "N", "T").Set("colourName", "plain"),
         CatalogueColour("M", "S", "N", "T").Set("auxiliaryColourTable", "true")},
        {AuxiliaryColour("piros", "250", "10", "10"), AuxiliaryColour("kék", "10", "10", "250")});
}

class SingleChip : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        ASSERT_EQ(store.Load(MixingCatalogue()), 0);
        plain = GetTNData().GetCatalogue()->colours[0].get();
        id = AppendUserItem(20, 30, 61, 64);
    }

    GlobalStore store;
    ColorEntity* plain = nullptr;
    std::int16_t id = 0;
};

TEST_F(SingleChip, TheChipFillsTheWholeItem) {
    SingleChipItemBase item(*dialog, id, ChipRoleListSlot, 3);
    ASSERT_NE(item.GetChip(), nullptr);
    EXPECT_EQ(item.GetChip()->GetRect(), host::Rect(0, 0, 61, 64));
    EXPECT_TRUE(item.GetChip()->IsVisible());
    EXPECT_EQ(item.GetChip()->GetRole(), ChipRoleListSlot);
    item.GetChip()->SetColour(plain);
    const auto bitmap = Render(item);
    EXPECT_EQ(FindNot(*bitmap, plain->colour), Box{});
}

TEST_F(SingleChip, TheChipIsDrawnOnlyWhileTheItemsOwnFlagIsSet) {
    SingleChipItemBase item(*dialog, id, ChipRoleCurrent, 0);
    item.GetChip()->SetColour(plain);
    item.SetVisible(false);
    EXPECT_EQ(FindNot(*Render(item), paletteBackground), Box{});
    item.SetVisible(true);
    EXPECT_EQ(FindNot(*Render(item), plain->colour), Box{});
}

TEST_F(SingleChip, EachRoleAsksTheStoreForItsOwnAction) {
    const struct {
        std::int32_t role;
        bool withColour;
        Events expected;
        const char* what;
    } cases[] = {
        {ChipRoleCatalogue, true, {"CurrentColourChanged"}, "catalogue chip"},
        {ChipRoleCatalogue, false, {}, "empty catalogue chip"},
        {ChipRoleCurrent, true, {}, "current-colour chip"},
        {ChipRoleListSlot, true, {"SelectedSlotChanged"}, "list slot"},
        {ChipRoleListSlot, false, {"SelectedSlotChanged"}, "empty list slot"},
        {ChipRoleNearest, true, {"CurrentColourChanged"}, "nearest-colour chip"},
        {ChipRoleNearest, false, {}, "empty nearest-colour chip"},
        {ChipRoleMixed, false, {"CurrentColourChanged"}, "mixed-colour chip"},
    };
    std::vector<std::unique_ptr<SingleChipItemBase>> items;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto left = std::int16_t(10 + i % 5 * 70);
        const auto top = std::int16_t(10 + i / 5 * 70);
        items.push_back(std::make_unique<SingleChipItemBase>(*dialog, AppendUserItem(left, top, 61, 64),
                                                             cases[i].role, 3));
        if (cases[i].withColour) {
            items.back()->GetChip()->SetColour(plain);
        }
    }
    ASSERT_TRUE(GlobalStore::SwitchToViewMode(ViewModeMixing));
    GetTNData().MixPickedColour({240, 0, 0, 255, 0});
    ASSERT_NE(GetTNData().GetMixedColour(), nullptr);
    Open();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        GetTNData().SetSelectedSlot(0);
        ColorEntity* const before = GetTNData().GetCurrentColour();
        testsupport::StoreEventLog log(GetTNData());
        ASSERT_TRUE(driver->ClickAt(items[i]->GetId(), {30, 30})) << c.what;
        EXPECT_EQ(log.events, c.expected) << c.what;
        ColorEntity* const current = GetTNData().GetCurrentColour();
        if (c.role == ChipRoleListSlot) {
            EXPECT_EQ(GetTNData().GetSelectedSlot(), 3) << c.what;
        } else if (c.role == ChipRoleMixed) {
            ASSERT_NE(current, nullptr);
            EXPECT_TRUE(current->mixed);
            EXPECT_NE(current, GetTNData().GetMixedColour()) << "a copy is adopted";
            EXPECT_EQ(current->colourName.ToStdString(), "piros");
        } else {
            EXPECT_EQ(current, c.expected.empty() ? before : plain) << c.what;
        }
    }
}

TEST_F(SingleChip, AMixedColourChipDoesNothingWithoutAMixedColour) {
    // A mixing base without a tinting table leaves the store without a mixed colour.
    ASSERT_EQ(store.Load(CatalogueDocument(
                  {CatalogueColour("M", "S", "N", "T").Set("auxiliaryColourTable", "true")})),
              0);
    GetTNData().MixPickedColour({240, 0, 0, 255, 0});
    ASSERT_EQ(GetTNData().GetMixedColour(), nullptr);
    SingleChipItemBase item(*dialog, id, ChipRoleMixed, 0);
    Open();
    testsupport::StoreEventLog log(GetTNData());
    ASSERT_TRUE(driver->DoubleClickAt(id, {30, 30}));
    EXPECT_TRUE(log.events.empty());
}

TEST_F(SingleChip, ADoubleClickOnAListSlotSelectsItOnEveryPress) {
    SingleChipItemBase item(*dialog, id, ChipRoleListSlot, 4);
    Open();
    testsupport::StoreEventLog log(GetTNData());
    ASSERT_TRUE(driver->DoubleClickAt(id, {1, 1}));
    EXPECT_EQ(GetTNData().GetSelectedSlot(), 4);
    // The first press clicks; the second runs the click and the double-click action.
    EXPECT_EQ(log.events, (Events{"SelectedSlotChanged", "SelectedSlotChanged", "SelectedSlotChanged"}));
}

} // namespace
