#include "ToolkitTest.h"

#include <stdexcept>

#include "host/DialogDriver.h"
#include "host/ModalDialog.h"

namespace {

using namespace toolkit_test;
using host::Point;

// An open sample dialog with a user item (40 x 30 at 100, 125) and the recorder attached to
// everything.
class Driving : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        userId = dialog.AppendUserItem(100, 125, 40, 30);
        user = std::make_unique<host::UserItem>(dialog, userId);
        close.Attach(recorder);
        icon.Attach(recorder);
        popUp.Attach(recorder);
        check.Attach(recorder);
        user->Attach(recorder);
        for (const char* text : {"egy", "kettő", "három"}) {
            popUp.AppendItem();
            popUp.SetItemText(popUp.GetItemCount(), text);
        }
        ASSERT_TRUE(dialog.BeginModal());
        host::FlushRedraws();
        recorder.log.clear();
        recorder.updates = 0;
    }

    host::ModalDialog dialog{SampleTemplate()};
    host::PushButton close{dialog, CloseId};
    host::IconPushButton icon{dialog, IconId};
    host::PopUp popUp{dialog, PopUpId};
    host::PushCheck check{dialog, CheckId};
    std::int16_t userId = 0;
    std::unique_ptr<host::UserItem> user;
    host::DialogDriver driver{dialog};
    Recorder recorder;
};

TEST_F(Driving, ButtonClicksNameTheirSource) {
    EXPECT_TRUE(driver.Click(CloseId));
    EXPECT_TRUE(driver.Click(IconId));
    EXPECT_EQ(recorder.log, (Log{"button 1", "button 8"}));
}

TEST_F(Driving, APushCheckIsFlippedBeforeItsObserverHears) {
    EXPECT_TRUE(driver.Click(CheckId));
    EXPECT_TRUE(check.IsOn());
    EXPECT_TRUE(driver.Click(CheckId));
    EXPECT_FALSE(check.IsOn());
    EXPECT_EQ(recorder.log, (Log{"check on", "check off"}));
}

TEST_F(Driving, ChoosingAPopUpItemSelectsItAndNotifiesOnce) {
    EXPECT_TRUE(driver.ChoosePopUpItem(PopUpId, "kettő"));
    EXPECT_EQ(popUp.GetSelectedItem(), 2);
    EXPECT_FALSE(driver.ChoosePopUpItem(PopUpId, "négy"));
    EXPECT_FALSE(driver.ChoosePopUpItem(CloseId, "egy"));
    EXPECT_EQ(recorder.log, (Log{"popup 2"}));
    const auto state = driver.GetItemState(PopUpId);
    EXPECT_EQ(state->popUpItems, (Log{"egy", "kettő", "három"}));
    EXPECT_EQ(state->selectedItem, 2);
}

TEST_F(Driving, HiddenDisabledOrMissingItemsCannotBeDriven) {
    check.Disable();
    close.Hide();
    popUp.Disable();
    user->Hide();
    EXPECT_FALSE(driver.Click(CheckId));
    EXPECT_FALSE(driver.Click(CloseId));
    EXPECT_FALSE(driver.Click(LabelId));
    EXPECT_FALSE(driver.Click(77));
    EXPECT_FALSE(driver.ChoosePopUpItem(PopUpId, "egy"));
    EXPECT_FALSE(driver.ClickAt(userId, {5, 5}));
    EXPECT_FALSE(driver.Hover(userId, {5, 5}));
    EXPECT_FALSE(check.IsOn());
    EXPECT_TRUE(recorder.log.empty());

    dialog.EndModal(host::DialogResponse::Cancel);
    check.Enable();
    EXPECT_FALSE(driver.Click(CheckId)) << "a closed dialog takes no input";
}

TEST_F(Driving, UserItemClicksCarryTheOffsetInsideTheItem) {
    EXPECT_TRUE(driver.ClickAt(userId, {3, 4}));
    EXPECT_TRUE(driver.ClickAt(userId, {39, 29}));
    EXPECT_EQ(recorder.log, (Log{"click 9 3,4 down", "click 9 39,29 down"}));
}

TEST_F(Driving, TheSecondPressOfADoubleClickIsADoubleClick) {
    EXPECT_TRUE(driver.DoubleClickAt(userId, {7, 8}));
    EXPECT_TRUE(driver.ClickAt(userId, {7, 8}));
    EXPECT_EQ(recorder.log, (Log{"click 9 7,8 down", "double 9 7,8 down", "click 9 7,8 down"}));
}

TEST_F(Driving, MouseMovesAreNotifiedOnlyOnceSwitchedOn) {
    EXPECT_TRUE(driver.MoveTo(userId, {1, 2}, false));
    EXPECT_TRUE(recorder.log.empty());
    user->EnableMouseMoveEvents();
    EXPECT_TRUE(driver.MoveTo(userId, {1, 2}, false));
    EXPECT_TRUE(driver.MoveTo(userId, {3, 4}, true));
    EXPECT_EQ(recorder.log, (Log{"move 9 1,2 up", "move 9 3,4 down"}));
}

TEST_F(Driving, ADragPressesMovesWithTheButtonHeldAndReleases) {
    user->EnableMouseMoveEvents();
    EXPECT_TRUE(driver.Drag(userId, {0, 0}, {30, -6}, 3));
    EXPECT_EQ(recorder.log,
              (Log{"click 9 0,0 down", "move 9 10,-2 down", "move 9 20,-4 down", "move 9 30,-6 down"}));
    EXPECT_FALSE(driver.Drag(userId, {0, 0}, {1, 1}, 0));
    EXPECT_FALSE(driver.Drag(userId, {0, 0}, {1, 1}, host::DialogDriver::MaxDragSteps + 1));
}

TEST_F(Driving, TheMouseCanRestOverDisabledItems) {
    user->EnableMouseMoveEvents();
    user->Disable();
    check.Disable();
    EXPECT_TRUE(driver.Hover(userId, {2, 3}));
    EXPECT_TRUE(driver.Hover(CheckId, {2, 3}));
    EXPECT_TRUE(recorder.log.empty()) << "a disabled item takes no mouse moves";
    host::MousePosition position;
    ASSERT_TRUE(dialog.GetMousePosition(position));
    EXPECT_EQ(position.itemId, CheckId);
}

TEST_F(Driving, AccessibleElementsCanBeFoundAndClicked) {
    user->SetAccessibleName("chipArray");
    user->SetAccessibleElements(
        {{host::Rect(0, 0, 10, 10), "first", false}, {host::Rect(20, 10, 30, 20), "second", true}});
    EXPECT_EQ(driver.FindUserItem("chipArray"), userId);
    EXPECT_FALSE(driver.FindUserItem("picker").has_value());
    EXPECT_TRUE(driver.ClickElement(userId, 1));
    EXPECT_FALSE(driver.ClickElement(userId, 2));
    EXPECT_EQ(recorder.log, (Log{"click 9 25,15 down"}));
    const auto state = driver.GetItemState(userId);
    EXPECT_EQ(state->accessibleName, "chipArray");
    ASSERT_EQ(state->elements.size(), 2u);
    EXPECT_EQ(state->elements[1].name, "second");
    EXPECT_TRUE(state->elements[1].selected);
}

TEST_F(Driving, ARedrawLeadsToOneUpdate) {
    user->Redraw(true, false);
    EXPECT_TRUE(host::FlushRedraws());
    EXPECT_EQ(recorder.updates, 1);
    EXPECT_NE(recorder.lastContext, nullptr);

    user->Redraw(true, true);
    EXPECT_EQ(recorder.updates, 2) << "an immediate redraw is done when Redraw returns";
}

TEST_F(Driving, AHiddenUserItemHasNothingToDraw) {
    user->Hide();
    user->Redraw(true, false);
    EXPECT_TRUE(host::FlushRedraws(200));
    EXPECT_EQ(recorder.updates, 0);
}

// Turns its push-check on again when a click turned it off, as a pair of push-checks acting as a
// switch does.
class KeepOn : public host::CheckItemObserver {
public:
    void CheckItemChanged(const host::CheckItemChangeEvent& event) override {
        ++changes;
        if (!event.source->IsOn()) {
            event.source->SetOn();
        }
    }
    int changes = 0;
};

TEST_F(Driving, APushCheckSetOnAgainDuringItsNotificationStaysOnWithoutAnotherNotification) {
    KeepOn keepOn;
    check.Attach(keepOn);
    check.SetOn();
    EXPECT_TRUE(driver.Click(CheckId));
    EXPECT_TRUE(check.IsOn());
    EXPECT_EQ(keepOn.changes, 1);
    EXPECT_EQ(recorder.log, (Log{"check off"}));
    check.Detach(keepOn);
}

// Detaches another observer, and itself, while a click is delivered.
class Detacher : public host::ButtonObserver {
public:
    Detacher(host::PushButton& button, host::ButtonObserver& other) : button(button), other(other) {}
    void ButtonClicked(const host::ButtonClickEvent&) override {
        ++clicks;
        button.Detach(other);
        button.Detach(*this);
    }
    int clicks = 0;

private:
    host::PushButton& button;
    host::ButtonObserver& other;
};

TEST_F(Driving, ObserversDetachedDuringANotificationHearNoMore) {
    close.Detach(recorder);
    Detacher detacher(close, recorder);
    close.Attach(detacher);
    close.Attach(recorder);
    EXPECT_TRUE(driver.Click(CloseId));
    EXPECT_TRUE(driver.Click(CloseId));
    EXPECT_EQ(detacher.clicks, 1);
    EXPECT_TRUE(recorder.log.empty());
}

TEST_F(Driving, EveryBoundObjectIsTheSourceOfItsOwnAttachments) {
    host::PushButton second(dialog, CloseId);
    Recorder other;
    second.Attach(other);
    {
        host::PushButton third(dialog, CloseId);
        third.Attach(other);
    }
    EXPECT_TRUE(driver.Click(CloseId));
    EXPECT_EQ(recorder.log, (Log{"button 1"}));
    EXPECT_EQ(other.log, (Log{"button 1"})) << "a destroyed object's attachments go with it";
}

class Thrower : public host::ButtonObserver {
public:
    void ButtonClicked(const host::ButtonClickEvent&) override { throw std::runtime_error("out of luck"); }
};

TEST_F(Driving, AnObserversExceptionReachesTheDriversCaller) {
    Thrower thrower;
    close.Attach(thrower);
    EXPECT_THROW(driver.Click(CloseId), std::runtime_error);
    close.Detach(thrower);
    EXPECT_TRUE(driver.Click(CloseId));
    EXPECT_EQ(recorder.log, (Log{"button 1", "button 1"}));
}

} // namespace
