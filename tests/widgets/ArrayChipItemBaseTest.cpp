#include "WidgetTest.h"

#include "catalogue/ColorEntity.h"
#include "support/CatalogueXml.h"
#include "support/StoreEventLog.h"
#include "widgets/ArrayChipItemBase.h"
#include "widgets/ChipItem.h"

namespace {

using namespace widgettest;
using testsupport::CatalogueColour;
using testsupport::CatalogueDocument;
using testsupport::XmlAttributes;

// `count` colours of product "N <structure>", named c0, c1, ... with distinct solid colours.
std::vector<XmlAttributes> Product(const std::string& structure, int count) {
    std::vector<XmlAttributes> colours;
    for (int i = 0; i < count; ++i) {
        colours.push_back(CatalogueColour("M", "S", "N", structure)
                              .Set("colourName", "c" + std::to_string(i))
                              .Set("red", std::to_string(i % 256))
                              .Set("green", std::to_string(i / 256 % 256)));
    }
    return colours;
}

std::vector<XmlAttributes> operator+(std::vector<XmlAttributes> a, const std::vector<XmlAttributes>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ChipGrid : public DialogTest {
protected:
    // Loads the catalogue, then makes a grid of the given size and lays it out.
    void Make(const std::vector<XmlAttributes>& colours, std::int16_t width, std::int16_t height) {
        ASSERT_EQ(store.Load(CatalogueDocument(colours)), 0);
        id = AppendUserItem(5, 5, width, height);
        grid = std::make_unique<ArrayChipItemBase>(*dialog, id);
        grid->RefreshChips();
    }

    // The rectangles of the shown chips, in order.
    std::vector<host::Rect> ShownRects() const {
        std::vector<host::Rect> rects;
        for (const ChipItem* chip : grid->GetChips()) {
            if (chip->IsVisible()) {
                rects.push_back(chip->GetRect());
            }
        }
        return rects;
    }

    static host::Rect Square(int left, int top, int side) {
        return host::Rect(std::int16_t(left), std::int16_t(top), std::int16_t(left + side),
                          std::int16_t(top + side));
    }

    GlobalStore store;
    std::int16_t id = 0;
    std::unique_ptr<ArrayChipItemBase> grid;
};

TEST_F(ChipGrid, TwentyColoursIn300By100TakeChipsOf30EightToARow) {
    Make(Product("T", 20), 300, 100);
    std::vector<host::Rect> expected;
    for (int i = 0; i < 20; ++i) {
        expected.push_back(Square(i % 8 * 34, i / 8 * 34, 30));
    }
    EXPECT_EQ(ShownRects(), expected);
    const auto colours = GetTNData().GetCatalogue()->GetColours("M", "S", "N T", false);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(grid->GetChips()[i]->GetColour(), colours[i]) << "file order";
        EXPECT_EQ(grid->GetChips()[i]->GetRole(), ChipRoleCatalogue);
    }
}

TEST_F(ChipGrid, OneColourFillsTheHeightLessOne) {
    Make(Product("T", 1), 300, 100);
    EXPECT_EQ(ShownRects(), (std::vector<host::Rect>{Square(0, 0, 99)}));
}

TEST_F(ChipGrid, AProductWithoutColoursShowsOnlyTheBackground) {
    std::vector<XmlAttributes> blanks = Product("B", 2);
    for (XmlAttributes& colour : blanks) {
        colour.Set("red", "-1");
    }
    Make(Product("T", 5) + blanks, 300, 100);
    GetTNData().SelectProduct("N B");
    grid->RefreshChips();
    EXPECT_TRUE(ShownRects().empty());
    EXPECT_EQ(FindNot(*Render(*grid), paletteBackground), Box{});
}

TEST_F(ChipGrid, ChipsAreMadeOnceForTheLargestGroupAndReusedByEveryProduct) {
    Make(Product("T", 3) + Product("U", 7), 300, 100);
    ASSERT_EQ(grid->GetChips().size(), 7u);
    const std::vector<ChipItem*> chips = grid->GetChips();
    EXPECT_EQ(ShownRects().size(), 3u);
    GetTNData().SelectProduct("N U");
    grid->RefreshChips();
    EXPECT_EQ(ShownRects().size(), 7u);
    EXPECT_EQ(grid->GetChips(), chips);
}

TEST_F(ChipGrid, MoreColoursThanChipsShowAsManyAsThereAreChips) {
    Make(Product("T", 3), 300, 100);
    ASSERT_EQ(store.Load(CatalogueDocument(Product("T", 6))), 0);
    grid->RefreshChips();
    // The size is chosen for all six colours; three chips show the first three.
    EXPECT_EQ(ShownRects(),
              (std::vector<host::Rect>{Square(0, 0, 48), Square(52, 0, 48), Square(104, 0, 48)}));
}

TEST_F(ChipGrid, AProductTooLargeForOnePixelChipsShowsAsManyAsFit) {
    Make(Product("T", 2000), 40, 30);
    // 1-pixel chips, 8 to a row in 40 pixels, 6 rows in 30.
    std::vector<host::Rect> expected;
    for (int i = 0; i < 48; ++i) {
        expected.push_back(Square(i % 8 * 5, i / 8 * 5, 1));
    }
    EXPECT_EQ(ShownRects(), expected);
}

TEST_F(ChipGrid, AGridWithoutRoomOrWithoutChipsShowsNone) {
    Make(Product("T", 4), 300, 1);
    EXPECT_TRUE(ShownRects().empty());
    const std::int16_t narrowId = AppendUserItem(5, 5, 0, 50);
    ArrayChipItemBase narrow(*dialog, narrowId);
    narrow.RefreshChips();
    for (const ChipItem* chip : narrow.GetChips()) {
        EXPECT_FALSE(chip->IsVisible());
    }
    GetTNData().ReleaseCatalogue();
    ArrayChipItemBase withoutCatalogue(*dialog, narrowId);
    withoutCatalogue.RefreshChips();
    EXPECT_TRUE(withoutCatalogue.GetChips().empty());
}

TEST_F(ChipGrid, DrawsTheShownChipsOverTheBackground) {
    Make(Product("T", 20), 300, 100);
    const auto bitmap = Render(*grid);
    EXPECT_EQ(At(*bitmap, 34 + 15, 34 + 15), (host::Colour{9, 0, 30, 255, 0})) << "chip 9";
    EXPECT_EQ(At(*bitmap, 31, 31), paletteBackground) << "the gap";
    EXPECT_EQ(At(*bitmap, 4 * 34 + 15, 68 + 15), paletteBackground) << "no chip 20";
    EXPECT_EQ(FindNot(*bitmap, paletteBackground), (Box{0, 0, 267, 97}));
}

TEST_F(ChipGrid, AClickOnAChipMakesItsColourCurrentAndReadersSeeTheChips) {
    Make(Product("T", 20), 300, 100);
    Open();
    testsupport::StoreEventLog log(GetTNData());
    ASSERT_TRUE(driver->ClickElement(id, 9));
    EXPECT_EQ(GetTNData().GetCurrentColour(), grid->GetChips()[9]->GetColour());
    EXPECT_EQ(log.events, (std::vector<std::string>{"CurrentColourChanged"}));
    ASSERT_TRUE(driver->ClickAt(id, {31, 31}));
    EXPECT_EQ(log.events.size(), 1u) << "a click between chips does nothing";

    const auto state = driver->GetItemState(id);
    ASSERT_EQ(state->elements.size(), 20u);
    EXPECT_EQ(state->elements[9].rect, Square(34, 34, 30));
    EXPECT_EQ(state->elements[9].name, "Tarnova N T c9");
}

TEST_F(ChipGrid, HoveringAChipShowsItsFullName) {
    Make(Product("T", 20), 300, 100);
    const host::MousePosition position{id, {40, 40}};
    grid->UpdateHover(&position);
    EXPECT_EQ(grid->GetHoveredItem(), grid->GetChips()[9]);
    const auto bitmap = Render(*grid);
    EXPECT_EQ(At(*bitmap, 41, 61), paletteTooltipBack);
}

} // namespace
