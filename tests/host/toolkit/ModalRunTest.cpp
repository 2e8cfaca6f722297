#include "ToolkitTest.h"

#include <chrono>
#include <stdexcept>
#include <thread>

#include "host/AlertBox.h"
#include "host/DialogDriver.h"
#include "host/ModalDialog.h"

namespace {

using namespace toolkit_test;

// Lets the toolkit's loop run for a while.
void RunLoopFor(int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        host::ProcessPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// Lets the loop run until `count` reaches `atLeast`, for at most five seconds on a busy machine.
bool RunLoopUntil(const int& count, int atLeast) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (count < atLeast && std::chrono::steady_clock::now() < end) {
        host::ProcessPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return count >= atLeast;
}

// Installs an opened hook for the lifetime of the scope.
class HookScope {
public:
    explicit HookScope(host::DialogOpenedHook hook) : previous(host::SetDialogOpenedHook(std::move(hook))) {}
    ~HookScope() { host::SetDialogOpenedHook(std::move(previous)); }

private:
    host::DialogOpenedHook previous;
};

// Closes its dialog with the accept response when its button is clicked.
class Closer : public host::ButtonObserver {
public:
    explicit Closer(host::ModalDialog& dialog) : dialog(dialog) {}
    void ButtonClicked(const host::ButtonClickEvent&) override {
        dialog.PostCloseRequest(host::DialogResponse::Accept);
        stillOpen = dialog.IsOpen();
    }
    bool stillOpen = false;

private:
    host::ModalDialog& dialog;
};

class ModalRun : public ToolkitTest {};

TEST_F(ModalRun, ACloseRequestEndsTheRunWithAcceptance) {
    host::ModalDialog dialog(SampleTemplate());
    host::PushButton close(dialog, CloseId);
    Closer closer(dialog);
    close.Attach(closer);
    Recorder recorder;
    dialog.Attach(recorder);
    int hooked = 0;
    HookScope hook([&](host::ModalDialog& opened) {
        ++hooked;
        EXPECT_EQ(&opened, &dialog);
        EXPECT_EQ(recorder.log, (Log{"opened"}));
        EXPECT_TRUE(host::DialogDriver(opened).Click(CloseId));
    });
    EXPECT_TRUE(dialog.Invoke());
    EXPECT_EQ(hooked, 1);
    EXPECT_TRUE(closer.stillOpen) << "a close request takes effect after the notification";
    EXPECT_FALSE(dialog.IsOpen());
    close.Detach(closer);
    dialog.Detach(recorder);
}

TEST_F(ModalRun, ClosingTheWindowEndsTheRunWithoutAcceptance) {
    host::ModalDialog dialog(SampleTemplate());
    HookScope hook([](host::ModalDialog& opened) { EXPECT_TRUE(host::DialogDriver(opened).CloseWindow()); });
    EXPECT_FALSE(dialog.Invoke());
    EXPECT_FALSE(dialog.IsOpen());
}

class IdleThrower : public host::PanelObserver {
public:
    void PanelIdle(const host::PanelIdleEvent&) override { throw std::runtime_error("idle failed"); }
};

TEST_F(ModalRun, AnExceptionFromANotificationEndsTheRunAndLeavesInvoke) {
    host::ModalDialog dialog(SampleTemplate());
    IdleThrower thrower;
    dialog.Attach(thrower);
    dialog.EnableIdleEvents();
    EXPECT_THROW(dialog.Invoke(), std::runtime_error);
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_FALSE(dialog.WasAccepted());
    dialog.Detach(thrower);
}

TEST_F(ModalRun, ADialogCanRunAgain) {
    host::ModalDialog dialog(SampleTemplate());
    EXPECT_TRUE(dialog.BeginModal());
    EXPECT_FALSE(dialog.BeginModal()) << "already open";
    dialog.EndModal(host::DialogResponse::Accept);
    EXPECT_TRUE(dialog.WasAccepted());
    dialog.PostCloseRequest(host::DialogResponse::Accept); // closed: nothing to do
    EXPECT_TRUE(dialog.BeginModal());
    EXPECT_FALSE(dialog.WasAccepted());
    dialog.PostCloseRequest(host::DialogResponse::Cancel);
    EXPECT_TRUE(dialog.IsOpen());
    host::ProcessPendingEvents();
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_FALSE(dialog.WasAccepted());
}

TEST_F(ModalRun, IdleNotificationsArriveWhileSwitchedOn) {
    host::ModalDialog dialog(SampleTemplate());
    Recorder recorder;
    dialog.Attach(recorder);
    dialog.EnableIdleEvents();
    RunLoopFor(150);
    EXPECT_EQ(recorder.idles, 0) << "none before the dialog runs";

    ASSERT_TRUE(dialog.BeginModal());
    EXPECT_TRUE(RunLoopUntil(recorder.idles, 3));

    dialog.DisableIdleEvents();
    const int before = recorder.idles;
    RunLoopFor(150);
    EXPECT_EQ(recorder.idles, before);
    dialog.EndModal(host::DialogResponse::Cancel);
    dialog.Detach(recorder);
}

TEST_F(ModalRun, IdleNotificationsPauseUnderAnotherDialogUnlessAskedFor) {
    host::ModalDialog below(SampleTemplate());
    host::ModalDialog belowToo(SampleTemplate());
    host::ModalDialog above(SampleTemplate());
    Recorder paused;
    Recorder going;
    below.Attach(paused);
    belowToo.Attach(going);
    below.EnableIdleEvents(false);
    belowToo.EnableIdleEvents(true);
    ASSERT_TRUE(below.BeginModal());
    ASSERT_TRUE(belowToo.BeginModal());
    ASSERT_TRUE(above.BeginModal());
    EXPECT_TRUE(RunLoopUntil(going.idles, 3));
    EXPECT_EQ(paused.idles, 0);
    above.EndModal(host::DialogResponse::Cancel);
    belowToo.EndModal(host::DialogResponse::Cancel);
    EXPECT_TRUE(RunLoopUntil(paused.idles, 2));
    below.Detach(paused);
    belowToo.Detach(going);
}

TEST_F(ModalRun, TheMousePositionNamesTheItemUnderTheMouse) {
    host::ModalDialog dialog(SampleTemplate());
    const std::int16_t userId = dialog.AppendUserItem(100, 125, 40, 30);
    host::MousePosition position;
    EXPECT_FALSE(dialog.GetMousePosition(position)) << "a closed dialog has no mouse";

    Recorder recorder;
    dialog.Attach(recorder);
    ASSERT_TRUE(dialog.BeginModal());
    EXPECT_TRUE(dialog.GetMousePosition(position)) << "the window system's pointer, wherever it is";
    host::DialogDriver driver(dialog);
    EXPECT_TRUE(driver.Hover(userId, {12, 7}));
    EXPECT_EQ(recorder.idles, 0) << "no idle notifications while they are off";
    ASSERT_TRUE(dialog.GetMousePosition(position));
    EXPECT_EQ(position.itemId, userId);
    EXPECT_EQ(position.offset, (host::Point{12, 7}));

    dialog.EnableIdleEvents();
    EXPECT_TRUE(driver.Hover(CheckId, {3, 2}));
    EXPECT_GE(recorder.idles, 1);
    ASSERT_TRUE(dialog.GetMousePosition(position));
    EXPECT_EQ(position.itemId, CheckId);
    EXPECT_EQ(position.offset, (host::Point{3, 2}));

    // Past the item's right edge the mouse is over the dialog itself.
    EXPECT_TRUE(driver.Hover(userId, {40, 0}));
    ASSERT_TRUE(dialog.GetMousePosition(position));
    EXPECT_EQ(position.itemId, 0);
    EXPECT_EQ(position.offset, (host::Point{140, 125}));
    dialog.EndModal(host::DialogResponse::Cancel);
    dialog.Detach(recorder);
}

// Reads the mouse position in every idle notification, as a dialog's hover tracking does.
class HoverTracker : public host::PanelObserver {
public:
    void PanelIdle(const host::PanelIdleEvent& event) override {
        host::MousePosition position;
        if (event.source->GetMousePosition(position)) {
            seen.push_back(position.itemId);
        }
    }
    std::vector<std::int16_t> seen;
};

TEST_F(ModalRun, AHoverRunsOneIdleNotificationThatSeesTheNewPosition) {
    host::ModalDialog dialog(SampleTemplate());
    HoverTracker tracker;
    dialog.Attach(tracker);
    dialog.EnableIdleEvents();
    ASSERT_TRUE(dialog.BeginModal());
    host::DialogDriver driver(dialog);
    tracker.seen.clear();
    EXPECT_TRUE(driver.Hover(LabelId, {1, 1}));
    ASSERT_FALSE(tracker.seen.empty());
    EXPECT_EQ(tracker.seen.back(), LabelId);
    dialog.EndModal(host::DialogResponse::Cancel);
    dialog.Detach(tracker);
}

TEST_F(ModalRun, AlertsGoToTheResponder) {
    std::vector<host::AlertRequest> requests;
    auto previous = host::SetAlertResponder([&](const host::AlertRequest& request) -> std::int16_t {
        requests.push_back(request);
        return std::int16_t(requests.size() == 1 ? 2 : 9);
    });
    EXPECT_EQ(host::Alert(host::AlertType::Information, "Információ", "Sikeres volt!", "", "Igen", "Nem"), 2);
    EXPECT_EQ(host::Alert(host::AlertType::Warning, "Figyelem", "", "Részletek", ""), 1)
        << "an answer out of range counts as the last button";
    // Texts left out may come as views without any storage.
    EXPECT_EQ(host::Alert(host::AlertType::Error, "Hiba", std::string_view{}, std::string_view{}, "OK"), 1);
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[2].text, "");
    EXPECT_EQ(requests[0].type, host::AlertType::Information);
    EXPECT_EQ(requests[0].title, "Információ");
    EXPECT_EQ(requests[0].text, "Sikeres volt!");
    EXPECT_EQ(requests[0].detail, "");
    EXPECT_EQ(requests[0].buttons, (Log{"Igen", "Nem"}));
    EXPECT_EQ(requests[1].detail, "Részletek");
    EXPECT_EQ(requests[1].buttons, (Log{"OK"}));

    EXPECT_TRUE(static_cast<bool>(host::SetAlertResponder(std::move(previous))));
}

TEST_F(ModalRun, AnOpenAlertPausesTheIdleNotificationsOfTheDialogBelow) {
    host::ModalDialog dialog(SampleTemplate());
    Recorder recorder;
    dialog.Attach(recorder);
    dialog.EnableIdleEvents();
    ASSERT_TRUE(dialog.BeginModal());
    int idlesDuringAlert = -1;
    auto previous = host::SetAlertResponder([&](const host::AlertRequest&) -> std::int16_t {
        const int before = recorder.idles;
        RunLoopFor(250);
        idlesDuringAlert = recorder.idles - before;
        return 1;
    });
    host::Alert(host::AlertType::Information, "Információ", "", "", "OK");
    host::SetAlertResponder(std::move(previous));
    EXPECT_EQ(idlesDuringAlert, 0);
    const int afterAlert = recorder.idles;
    EXPECT_TRUE(RunLoopUntil(recorder.idles, afterAlert + 2));
    dialog.EndModal(host::DialogResponse::Cancel);
    dialog.Detach(recorder);
}

} // namespace
