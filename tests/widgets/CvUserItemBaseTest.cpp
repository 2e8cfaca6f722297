#include "WidgetTest.h"

#include "host/DrawContext.h"
#include "host/PanelObserver.h"
#include "host/TextEngine.h"

#include <algorithm>
#include <initializer_list>

namespace {

using namespace widgettest;
using Log = std::vector<std::string>;

constexpr std::int16_t Width = 200;
constexpr std::int16_t Height = 120;

// An element that writes down its clicks, answers a fixed hover text and fills its rectangle.
class Element : public CvItemBase {
public:
    Element(CvUserItemBase* owner, const host::Rect& rect, std::string name, Log& log, bool selected = false)
        : CvItemBase(owner, rect), name(std::move(name)), log(log), selected(selected) {
        hoverText = host::UniString(this->name);
    }
    void Draw(host::DrawContext& context) override {
        context.FillRect(ToRealRect(rect), host::SolidPattern({200, 0, 0, 255, 0}));
    }
    void Click() override { log.push_back(name + " click"); }
    void DoubleClick() override { log.push_back(name + " double"); }
    bool IsSelected() const override { return selected; }
    void SetHoverText(const std::string& text) { hoverText = host::UniString(text); }

private:
    std::string name;
    Log& log;
    bool selected;
};

class Elements : public CvUserItemBase {
public:
    using CvUserItemBase::CvUserItemBase;

    Element* Add(const host::Rect& rect, const std::string& name, bool selected = false) {
        return static_cast<Element*>(AddItem(std::make_unique<Element>(this, rect, name, log, selected)));
    }
    void Draw(host::DrawContext& context) override {
        DrawBackground(context);
        DrawElements(context);
        DrawHoverLabel(context);
    }

    Log log;
};

// Hover tracking as the dialog does it on every idle notification.
class HoverTracker : public host::PanelObserver {
public:
    HoverTracker(host::ModalDialog& dialog, CvUserItemBase& item) : dialog(dialog), item(item) {}
    void PanelIdle(const host::PanelIdleEvent&) override {
        host::MousePosition position;
        if (dialog.GetMousePosition(position) && position.itemId == item.GetId()) {
            item.UpdateHover(&position);
        } else {
            item.UpdateHover(nullptr);
        }
    }

private:
    host::ModalDialog& dialog;
    CvUserItemBase& item;
};

class ItemBase : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        id = AppendUserItem(10, 10, Width, Height);
        otherId = AppendUserItem(10, 150, 50, 50);
        items = std::make_unique<Elements>(*dialog, id);
    }

    static host::MousePosition Mouse(std::int16_t x, std::int16_t y) { return {1, {x, y}}; }

    std::int16_t id = 0;
    std::int16_t otherId = 0;
    std::unique_ptr<Elements> items;
};

TEST_F(ItemBase, ClicksGoToTheFirstVisibleElementUnderTheMouse) {
    items->Add(host::Rect(0, 0, 40, 40), "A");
    items->Add(host::Rect(20, 20, 60, 60), "B");
    items->Add(host::Rect(100, 0, 140, 40), "C")->SetVisible(false);
    items->Add(host::Rect(100, 0, 140, 40), "D");
    Open();
    const struct {
        host::Point point;
        Log expected;
    } cases[] = {
        {{30, 30}, {"A click"}},  // both overlap: the one added first
        {{50, 50}, {"B click"}},  // only the second
        {{40, 40}, {"B click"}},  // the right and bottom edges are not the first's
        {{110, 10}, {"D click"}}, // an invisible element is skipped
        {{80, 80}, {}},           // nothing there
    };
    for (const auto& c : cases) {
        items->log.clear();
        ASSERT_TRUE(driver->ClickAt(id, c.point));
        EXPECT_EQ(items->log, c.expected) << c.point.x << ", " << c.point.y;
    }
}

TEST_F(ItemBase, ADoubleClickRunsClickThenDoubleClickOnTheSameElement) {
    items->Add(host::Rect(0, 0, 40, 40), "A");
    items->Add(host::Rect(0, 0, 80, 80), "B");
    Open();
    ASSERT_TRUE(driver->DoubleClickAt(id, {10, 10}));
    // The first press of a double click is a click of its own.
    EXPECT_EQ(items->log, (Log{"A click", "A click", "A double"}));
    items->log.clear();
    ASSERT_TRUE(driver->DoubleClickAt(id, {150, 100}));
    EXPECT_TRUE(items->log.empty());
}

TEST_F(ItemBase, EachChangeOfTheHoveredElementRedrawsOnce) {
    items->Add(host::Rect(0, 0, 40, 40), "A");
    items->Add(host::Rect(50, 0, 90, 40), "B");
    UpdateCounter counter;
    items->host::UserItem::Attach(counter);
    HoverTracker tracker(*dialog, *items);
    dialog->Attach(tracker);
    dialog->EnableIdleEvents();
    Open();
    const struct {
        std::int16_t item;
        host::Point point;
        int redraws;
        const char* what;
    } steps[] = {
        {id, {5, 5}, 1, "entering A"},
        {id, {30, 30}, 0, "moving within A"},
        {id, {60, 10}, 1, "entering B"},
        {id, {100, 100}, 1, "leaving B for no element"},
        {id, {110, 110}, 0, "moving over no element"},
        {id, {10, 10}, 1, "entering A again"},
        {otherId, {5, 5}, 1, "leaving the item"},
        {otherId, {6, 6}, 0, "staying away"},
    };
    for (const auto& step : steps) {
        counter.updates = 0;
        ASSERT_TRUE(driver->Hover(step.item, step.point));
        host::FlushRedraws();
        EXPECT_EQ(counter.updates, step.redraws) << step.what;
    }
    dialog->Detach(tracker);
}

TEST_F(ItemBase, TheHoverPointIsWhereTheElementWasEntered) {
    Element* a = items->Add(host::Rect(0, 0, 40, 40), "A");
    const host::MousePosition entered = Mouse(5, 6);
    const host::MousePosition within = Mouse(30, 31);
    items->UpdateHover(&entered);
    items->UpdateHover(&within);
    EXPECT_EQ(items->GetHoveredItem(), a);
    EXPECT_EQ(items->GetHoverPoint(), (host::Point{5, 6}));
}

constexpr host::Colour Red{200, 0, 0, 255, 0};

// The bounding box (inclusive) of the pixels in none of the colours given.
Box FindOther(const host::Bitmap& bitmap, std::initializer_list<host::Colour> colours) {
    Box box;
    for (int y = 0; y < bitmap.GetHeight(); ++y) {
        for (int x = 0; x < bitmap.GetWidth(); ++x) {
            const host::Colour pixel = At(bitmap, x, y);
            if (std::find(colours.begin(), colours.end(), pixel) == colours.end()) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

// One element over the whole item; only the label is drawn in other colours than the element's.
class HoverLabel : public ItemBase {
protected:
    void SetUp() override {
        ItemBase::SetUp();
        if (IsSkipped()) {
            return;
        }
        whole = items->Add(host::Rect(0, 0, Width, Height), "");
    }

    // Enters the element at `point` with `text` as its hover text and draws the item.
    std::unique_ptr<host::Bitmap> HoverAt(const std::string& text, host::Point point) {
        whole->SetHoverText(text);
        items->UpdateHover(nullptr);
        const host::MousePosition position{id, point};
        items->UpdateHover(&position);
        return Render(*items);
    }

    // The label's frame (inclusive) for a text at a mouse point, from the text engine's figures.
    static Box ExpectedLabel(const std::string& text, host::Point point) {
        const host::FontMetrics metrics = host::GetFamilyMetrics(uiFont.family, uiFont.size);
        const int lineHeight = int(metrics.ascent + metrics.descent + 2);
        const int tw =
            std::min(int(*host::MeasureStringWidth(host::UniString(text), uiFont) + 1.1), Width - 12);
        Box box{point.x, point.y + 20, point.x + tw + 6, point.y + 20 + lineHeight + 6};
        if (box.right > Width - 3) {
            box.left -= box.right - (Width - 3);
            box.right = Width - 3;
        }
        if (box.bottom > Height - 3) {
            box.top -= box.bottom - (Height - 3);
            box.bottom = Height - 3;
        }
        return box;
    }

    Element* whole = nullptr;
};

TEST_F(HoverLabel, NoLabelWithoutAHoveredElementOrWithoutText) {
    EXPECT_EQ(FindOther(*Render(*items), {Red}), Box{});
    EXPECT_EQ(FindOther(*HoverAt("", {10, 10}), {Red}), Box{});
}

TEST_F(HoverLabel, HangsBelowTheMouseAndIsPushedInsideOnlyNearTheRightAndBottomEdges) {
    const std::string text = "Tarnova Homlokzat 2.0 Fehér";
    const host::Point points[] = {
        {0, 0}, {12, 30}, {Width - 1, 10}, {10, Height - 1}, {Width - 1, Height - 1}};
    for (const host::Point point : points) {
        const auto bitmap = HoverAt(text, point);
        const Box expected = ExpectedLabel(text, point);
        EXPECT_EQ(FindOther(*bitmap, {Red}), expected) << point.x << ", " << point.y;
        EXPECT_EQ(At(*bitmap, expected.left, expected.top), paletteTooltipInk);
        EXPECT_EQ(At(*bitmap, expected.right, expected.bottom), paletteTooltipInk);
        EXPECT_EQ(At(*bitmap, expected.left + 1, expected.bottom - 1), paletteTooltipBack);
        EXPECT_EQ(At(*bitmap, expected.right - 1, expected.top + 1), paletteTooltipBack);
    }
}

TEST_F(HoverLabel, ALongTextIsCutToTheWidthLessTwelveAndTouchesTheRightMargin) {
    const auto bitmap = HoverAt(std::string(300, 'W'), {50, 10});
    const Box label = FindOther(*bitmap, {Red});
    EXPECT_EQ(label.left, 3);
    EXPECT_EQ(label.right, Width - 3);
    EXPECT_EQ(label.top, 30);
    // The text is shortened, not drawn beyond its box: the column inside the frame's right edge
    // shows only the label's fill.
    for (int y = label.top + 1; y < label.bottom; ++y) {
        EXPECT_EQ(At(*bitmap, label.right - 1, y), paletteTooltipBack) << y;
    }
}

TEST_F(HoverLabel, AnElementHiddenWhileHoveredKeepsItsLabelUntilTheNextHoverUpdate) {
    const Box shown = FindOther(*HoverAt("Tarnova", {20, 20}), {Red});
    ASSERT_NE(shown, Box{});
    whole->SetVisible(false);
    EXPECT_EQ(FindNot(*Render(*items), paletteBackground), shown);
    const host::MousePosition position{id, {20, 20}};
    items->UpdateHover(&position);
    EXPECT_EQ(FindNot(*Render(*items), paletteBackground), Box{});
}

TEST_F(ItemBase, AnUpdateDrawsTheWholeItemAtItsPlaceInTheWindowAndNamesItsElements) {
    items->Add(host::Rect(0, 0, 10, 10), "A");
    items->Add(host::Rect(20, 0, 30, 10), "B", true);
    items->Add(host::Rect(40, 0, 50, 10), "C")->SetVisible(false);
    host::Bitmap window(300, 200);
    {
        host::OffscreenContext native(window, 30, 40, Width, Height);
        items->HandleUpdate({items.get(), native.GetNative()});
    }
    EXPECT_EQ(At(window, 29, 40), (host::Colour{0, 0, 0, 0, 0}));
    EXPECT_EQ(At(window, 30, 40), Red);
    EXPECT_EQ(At(window, 30 + 15, 40), paletteBackground);
    EXPECT_EQ(At(window, 30 + 45, 40 + 5), paletteBackground);
    EXPECT_EQ(At(window, 30 + Width - 1, 40 + Height - 1), paletteBackground);
    EXPECT_EQ(At(window, 30 + Width, 40 + Height - 1), (host::Colour{0, 0, 0, 0, 0}));

    const auto state = driver->GetItemState(id);
    ASSERT_TRUE(state.has_value());
    const std::vector<host::AccessibleElement> expected{{host::Rect(0, 0, 10, 10), "A", false},
                                                        {host::Rect(20, 0, 30, 10), "B", true}};
    EXPECT_EQ(state->elements, expected);
}

} // namespace
