#include "WidgetTest.h"

#include "catalogue/ColorEntity.h"
#include "support/CatalogueXml.h"
#include "support/StoreEventLog.h"
#include "widgets/ArrayChipItemBase.h"
#include "widgets/ChipItem.h"

namespace {

using namespace widgettest;
using testsupport::CatalogueColour;
using testsupport::XmlAttributes;
using Rects = std::vector<host::Rect>;

// `count` colours of product "N <structure>", named c0, c1, ... with distinct solid colours; blank
// ones without a colour.
std::vector<XmlAttributes> Product(const std::string& structure, int count, bool blank = false) {
    std::vector<XmlAttributes> colours;
    for (int i = 0; i < count; ++i) {
        colours.push_back(CatalogueColour("M", "S", "N", structure)
                              .Set("colourName", "c" + std::to_string(i))
                              .Set("red", blank ? "-1" : std::to_string(i % 256)));
    }
    return colours;
}

std::vector<XmlAttributes> operator+(std::vector<XmlAttributes> a, const std::vector<XmlAttributes>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Chips of side `side`, `perRow` to a row, 4 pixels apart.
Rects Grid(int count, int side, int perRow) {
    Rects rects;
    for (int i = 0; i < count; ++i) {
        const int left = i % perRow * (side + 4);
        const int top = i / perRow * (side + 4);
        rects.emplace_back(left, top, left + side, top + side);
    }
    return rects;
}

class ChipGrid : public DialogTest {
protected:
    // Loads the catalogue, then makes a grid of the given size and lays it out.
    void Make(const std::vector<XmlAttributes>& colours, std::int16_t width, std::int16_t height) {
        ASSERT_EQ(store.Load(testsupport::CatalogueDocument(colours)), 0);
        id = AppendUserItem(5, 5, width, height);
        grid = std::make_unique<ArrayChipItemBase>(*dialog, id);
        grid->RefreshChips();
    }

    Rects ShownRects() const {
        Rects rects;
        for (const ChipItem* chip : grid->GetChips()) {
            if (chip->IsVisible()) {
                rects.push_back(chip->GetRect());
            }
        }
        return rects;
    }

    GlobalStore store;
    std::int16_t id = 0;
    std::unique_ptr<ArrayChipItemBase> grid;
};

TEST_F(ChipGrid, TakesTheLargestChipsBelowTheHeightThatHoldEveryColour) {
    const struct {
        int colours;
        std::int16_t width;
        std::int16_t height;
        Rects expected;
    } cases[] = {
        {20, 300, 100, Grid(20, 30, 8)}, // rows at 0, 34 and 68
        {20, 302, 100, Grid(20, 30, 9)}, // the ninth chip ends on the right edge
        {1, 300, 100, Grid(1, 99, 1)},
        {2000, 40, 30, Grid(48, 1, 8)}, // too many for 1-pixel chips: as many as fit
        {4, 300, 1, {}},
        {4, 0, 50, {}},
    };
    for (const auto& c : cases) {
        Make(Product("T", c.colours), c.width, c.height);
        EXPECT_EQ(ShownRects(), c.expected) << c.colours << " in " << c.width << " x " << c.height;
        const auto colours = GetTNData().GetCatalogue()->GetColours("M", "S", "N T", false);
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            ASSERT_EQ(grid->GetChips()[i]->GetColour(), colours[i]) << "file order";
        }
    }
}

TEST_F(ChipGrid, ChipsAreMadeOnceAndEveryProductReusesThem) {
    Make(Product("T", 3) + Product("U", 7) + Product("B", 2, true), 300, 100);
    const std::vector<ChipItem*> chips = grid->GetChips();
    ASSERT_EQ(chips.size(), 7u);
    EXPECT_EQ(ShownRects().size(), 3u);
    GetTNData().SelectProduct("N U");
    grid->RefreshChips();
    EXPECT_EQ(ShownRects().size(), 7u);
    GetTNData().SelectProduct("N B");
    grid->RefreshChips();
    EXPECT_TRUE(ShownRects().empty()) << "blank colours are not shown";
    EXPECT_EQ(FindNot(*Render(*grid), paletteBackground), Box{});
    EXPECT_EQ(grid->GetChips(), chips);

    // A larger catalogue than the one the grid was made for: the first seven colours show, at the
    // size chosen for all nine.
    ASSERT_EQ(store.Load(testsupport::CatalogueDocument(Product("T", 9))), 0);
    grid->RefreshChips();
    EXPECT_EQ(ShownRects(), Grid(7, 48, 5));
}

TEST_F(ChipGrid, AClickOnAChipMakesItsColourCurrentAndReadersSeeEveryChip) {
    Make(Product("T", 20), 300, 100);
    const auto bitmap = Render(*grid);
    EXPECT_EQ(At(*bitmap, 34 + 15, 34 + 15), (host::Colour{9, 20, 30, 255, 0})) << "chip 9";
    EXPECT_EQ(FindNot(*bitmap, paletteBackground), (Box{0, 0, 267, 97}));
    Open();
    testsupport::StoreEventLog log(GetTNData());
    ASSERT_TRUE(driver->ClickElement(id, 9));
    ASSERT_TRUE(driver->ClickAt(id, {31, 31})); // between chips
    EXPECT_EQ(GetTNData().GetCurrentColour(), grid->GetChips()[9]->GetColour());
    EXPECT_EQ(log.events, (std::vector<std::string>{"CurrentColourChanged"}));
    const auto state = driver->GetItemState(id);
    ASSERT_EQ(state->elements.size(), 20u);
    EXPECT_EQ(state->elements[9].rect, Grid(20, 30, 8)[9]);
    EXPECT_EQ(state->elements[9].name, "Tarnova N T c9");
}

} // namespace
