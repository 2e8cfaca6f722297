#include "WidgetTest.h"

#include "catalogue/ColorEntity.h"
#include "support/CatalogueXml.h"
#include "support/StoreEventLog.h"
#include "widgets/ChipItem.h"
#include "widgets/SingleChipItemBase.h"

namespace {

using namespace widgettest;
using testsupport::CatalogueColour;
using testsupport::CatalogueDocument;
using Events = std::vector<std::string>;

class SingleChip : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        // A plain colour and a mixing base with a tinting table, so that every role has its action.
        ASSERT_EQ(store.Load(CatalogueDocument(
                      {CatalogueColour("M", "S", "N", "T"),
                       CatalogueColour("M", "S", "N", "T").Set("auxiliaryColourTable", "true")},
                      {testsupport::AuxiliaryColour("piros", "250", "10", "10")})),
                  0);
        plain = GetTNData().GetCatalogue()->colours[0].get();
    }

    GlobalStore store;
    ColorEntity* plain = nullptr;
};

TEST_F(SingleChip, TheChipFillsTheItemAndIsDrawnWhileTheItemsOwnFlagIsSet) {
    SingleChipItemBase item(*dialog, AppendUserItem(20, 30, 61, 64), ChipRoleCurrent, 0);
    EXPECT_EQ(item.GetChip()->GetRect(), host::Rect(0, 0, 61, 64));
    item.GetChip()->SetColour(plain);
    EXPECT_EQ(FindNot(*Render(item), plain->colour), Box{});
    item.SetVisible(false);
    EXPECT_EQ(FindNot(*Render(item), paletteBackground), Box{});
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
        const std::int16_t id =
            AppendUserItem(std::int16_t(10 + i % 5 * 70), std::int16_t(10 + i / 5 * 70), 61, 64);
        items.push_back(std::make_unique<SingleChipItemBase>(*dialog, id, cases[i].role, 3));
        items.back()->GetChip()->SetColour(cases[i].withColour ? plain : nullptr);
    }
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
    const std::int16_t id = AppendUserItem(20, 30, 61, 64);
    SingleChipItemBase item(*dialog, id, ChipRoleMixed, 0);
    Open();
    testsupport::StoreEventLog log(GetTNData());
    ASSERT_TRUE(driver->DoubleClickAt(id, {30, 30}));
    EXPECT_TRUE(log.events.empty());
}

} // namespace
