#include "WidgetTest.h"

#include "host/DrawContext.h"
#include "host/PanelObserver.h"
#include "host/TextEngine.h"

namespace {

using namespace widgettest;
using Log = std::vector<std::string>;

constexpr std::int16_t Width = 200;
constexpr std::int16_t Height = 120;
constexpr host::Colour Red{200, 0, 0, 255, 0};

// An element that fills its rectangle red, writes down its clicks and answers its name on hover.
class Element : public CvItemBase {
public:
    Element(CvUserItemBase* owner, const host::Rect& rect, std::string name, Log& log, bool selected)
        : CvItemBase(owner, rect), name(std::move(name)), log(log), selected(selected) {
        hoverText = host::UniString(this->name);
    }
    void Draw(host::DrawContext& context) override {
        context.FillRect(ToRealRect(rect), host::SolidPattern(Red));
    }
    void Click() override { log.push_back(name + " click"); }
    void DoubleClick() override { log.push_back(name + " double"); }
    bool IsSelected() const override { return selected; }

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
        const bool over = dialog.GetMousePosition(position) && position.itemId == item.GetId();
        item.UpdateHover(over ? &position : nullptr);
    }

private:
    host::ModalDialog& dialog;
    CvUserItemBase& item;
};

class ItemBase : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        if (!IsSkipped()) {
            id = AppendUserItem(10, 10, Width, Height);
            items = std::make_unique<Elements>(*dialog, id);
        }
    }

    std::int16_t id = 0;
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
        {{40, 40}, {"B click"}},  // the first's right and bottom edges are not its own
        {{110, 10}, {"D click"}}, // an invisible element is skipped
        {{80, 80}, {}},
    };
    for (const auto& c : cases) {
        items->log.clear();
        ASSERT_TRUE(driver->ClickAt(id, c.point));
        EXPECT_EQ(items->log, c.expected) << c.point.x << ", " << c.point.y;
    }
    items->log.clear();
    ASSERT_TRUE(driver->DoubleClickAt(id, {10, 10}));
    // The first press of a double click is a click of its own.
    EXPECT_EQ(items->log, (Log{"A click", "A click", "A double"}));
}

TEST_F(ItemBase, EachChangeOfTheHoveredElementRedrawsOnce) {
    items->Add(host::Rect(0, 0, 40, 40), "A");
    items->Add(host::Rect(50, 0, 90, 40), "B");
    const std::int16_t otherId = AppendUserItem(10, 150, 50, 50);
    HoverTracker tracker(*dialog, *items);
    dialog->Attach(tracker);
    dialog->EnableIdleEvents();
    Open();
    // The redraws the item asks for, not the window system's exposures, which come as they will.
    const auto requests = [&] { return driver->GetItemState(id)->redrawRequests; };
    const struct {
        std::int16_t item;
        host::Point point;
        int redraws;
        const char* what;
    } steps[] = {
        {id, {5, 5}, 1, "entering A"},         {id, {30, 30}, 0, "moving within A"},
        {id, {60, 10}, 1, "entering B"},       {id, {100, 100}, 1, "leaving B for no element"},
        {id, {110, 110}, 0, "no element"},     {id, {10, 10}, 1, "entering A again"},
        {otherId, {5, 5}, 1, "leaving items"}, {otherId, {6, 6}, 0, "staying away"},
    };
    for (const auto& step : steps) {
        const int before = requests();
        ASSERT_TRUE(driver->Hover(step.item, step.point));
        EXPECT_EQ(requests() - before, step.redraws) << step.what;
        if (step.item == id && step.point == host::Point{30, 30}) {
            EXPECT_EQ(items->GetHoverPoint(), (host::Point{5, 5})) << "the label stays where A was entered";
        }
    }
    dialog->Detach(tracker);
}

TEST_F(ItemBase, AnUpdateDrawsTheWholeItemAtItsPlaceAndNamesItsVisibleElements) {
    items->Add(host::Rect(0, 0, 10, 10), "A");
    items->Add(host::Rect(20, 0, 30, 10), "B", true);
    items->Add(host::Rect(40, 0, 50, 10), "C")->SetVisible(false);
    host::Bitmap window(300, 200);
    {
        host::OffscreenContext native(window, 30, 40, Width, Height);
        items->HandleUpdate({items.get(), native.GetNative()});
    }
    EXPECT_EQ(FindNot(window, host::Colour{0, 0, 0, 0, 0}), (Box{30, 40, 30 + Width - 1, 40 + Height - 1}));
    EXPECT_EQ(At(window, 30, 40), Red);
    EXPECT_EQ(At(window, 30 + 45, 40 + 5), paletteBackground);
    const std::vector<host::AccessibleElement> expected{{host::Rect(0, 0, 10, 10), "A", false},
                                                        {host::Rect(20, 0, 30, 10), "B", true}};
    EXPECT_EQ(driver->GetItemState(id)->elements, expected);
}

// One element over the whole item; only the label is drawn in other colours.
class HoverLabel : public ItemBase {
protected:
    // Enters the element at `point` with `text` as its hover text and draws the item.
    std::unique_ptr<host::Bitmap> HoverAt(const std::string& text, host::Point point) {
        items = std::make_unique<Elements>(*dialog, id);
        items->Add(host::Rect(0, 0, Width, Height), text);
        const host::MousePosition position{id, point};
        items->UpdateHover(&position);
        return Render(*items);
    }

    // The label's frame (inclusive) from the text engine's figures.
    static Box ExpectedLabel(const std::string& text, host::Point point) {
        const host::FontMetrics metrics = host::GetFamilyMetrics(uiFont.family, uiFont.size);
        const int lineHeight = int(metrics.ascent + metrics.descent + 2);
        const int tw =
            std::min(int(*host::MeasureStringWidth(host::UniString(text), uiFont) + 1.1), Width - 12);
        const int left = std::min(point.x + tw + 6, Width - 3) - tw - 6;
        const int top = std::min(point.y + 20 + lineHeight + 6, Height - 3) - lineHeight - 6;
        return {left, top, left + tw + 6, top + lineHeight + 6};
    }
};

TEST_F(HoverLabel, HangsBelowTheMouseAndIsPushedInsideOnlyNearTheRightAndBottomEdges) {
    const std::string text = "Tarnova Homlokzat 2.0 Fehér";
    for (const host::Point point : {host::Point{0, 0}, host::Point{12, 30}, host::Point{Width - 1, 10},
                                    host::Point{10, Height - 1}, host::Point{Width - 1, Height - 1}}) {
        const auto bitmap = HoverAt(text, point);
        const Box expected = ExpectedLabel(text, point);
        EXPECT_EQ(FindNot(*bitmap, Red), expected) << point.x << ", " << point.y;
        EXPECT_EQ(At(*bitmap, expected.left, expected.top), paletteTooltipInk);
        EXPECT_EQ(At(*bitmap, expected.right, expected.bottom), paletteTooltipInk);
        EXPECT_EQ(At(*bitmap, expected.right - 1, expected.top + 1), paletteTooltipBack);
    }
    EXPECT_EQ(FindNot(*HoverAt("", {10, 10}), Red), Box{}) << "no label without a text";
}

TEST_F(HoverLabel, ALongTextIsShortenedToTheWidthLessTwelve) {
    const auto bitmap = HoverAt(std::string(300, 'W'), {50, 10});
    const Box label = FindNot(*bitmap, Red);
    EXPECT_EQ(label.left, 3);
    EXPECT_EQ(label.right, Width - 3);
    // Nothing of the text crosses its box: inside the right edge lies only the fill.
    for (int y = label.top + 1; y < label.bottom; ++y) {
        EXPECT_EQ(At(*bitmap, label.right - 1, y), paletteTooltipBack) << y;
    }
}

TEST_F(HoverLabel, AnElementHiddenWhileHoveredKeepsItsLabelUntilTheNextHoverUpdate) {
    const Box shown = FindNot(*HoverAt("Tarnova", {20, 20}), Red);
    items->GetHoveredItem()->SetVisible(false);
    EXPECT_EQ(FindNot(*Render(*items), paletteBackground), shown);
    const host::MousePosition position{id, {20, 20}};
    items->UpdateHover(&position);
    EXPECT_EQ(FindNot(*Render(*items), paletteBackground), Box{});
}

} // namespace
