#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "host/Point.h"

// What each dialog toolkit backend gives the toolkit shared by all (DialogWindow, the items, the
// driver): a window per dialog, a control per item, and the window system's loop. The shared part
// keeps the records, the observers, the modal state and every rule; the backend only shows things
// and reports what a person did, through ItemEvents.h.
namespace host {

class DialogWindow;
class Image;
struct DialogTemplateItem;
struct ItemRecord;

// The backend's window of one dialog: its title and client area as the DialogWindow has them.
class NativeDialogWindow {
public:
    virtual ~NativeDialogWindow() = default;

    // Makes the control of a template item (or, for null, of a user item), places it at the
    // record's rectangle, shown, and sets `record.widget`.
    virtual void CreateControl(ItemRecord& record, const DialogTemplateItem* item) = 0;
    // Stops the control's notifications before its record goes.
    virtual void ReleaseControl(ItemRecord& record) = 0;

    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Closes the window through its own close control, as a person would.
    virtual void CloseAsUser() = 0;

    // Calls `tick` from the loop about every `intervalMs` milliseconds until stopped.
    virtual void StartTimer(int intervalMs, std::function<void()> tick) = 0;
    virtual void StopTimer() = 0;
    // Calls `action` once from the loop, before anything the window system sends later; a later
    // post replaces one that has not run yet.
    virtual void Post(std::function<void()> action) = 0;
    virtual void CancelPost() = 0;

    // The mouse pointer in client-area coordinates; nothing when it cannot be read.
    virtual std::optional<Point> GetPointer() const = 0;
    // The client area as it is shown now; null when it cannot be drawn.
    virtual std::unique_ptr<Image> Render() = 0;
};

// The backend's window for `dialog`; null when the toolkit has not started.
std::unique_ptr<NativeDialogWindow> CreateNativeDialogWindow(DialogWindow& dialog);

// What the backend's controls show and do; each takes a record whose window made its control.
namespace controls {

bool IsShown(const ItemRecord& record);
// Shown, in a window that is shown: what a person can see and use.
bool IsDrawable(const ItemRecord& record);
void SetShown(ItemRecord& record, bool shown);
bool IsEnabled(const ItemRecord& record);
void SetEnabled(ItemRecord& record, bool enabled);

// The caption of a button, push-check or static text (valid UTF-8); other kinds have none.
void SetText(ItemRecord& record, const std::string& utf8);
std::string GetText(const ItemRecord& record);

void SetOn(ItemRecord& record, bool on);
bool IsOn(const ItemRecord& record);

// Popup items, from 0 here.
int GetItemCount(const ItemRecord& record);
void AppendItem(ItemRecord& record);
void DeleteItem(ItemRecord& record, int index);
void DeleteAllItems(ItemRecord& record);
void SetItemText(ItemRecord& record, int index, const std::string& utf8);
std::string GetItemText(const ItemRecord& record, int index);
// -1 for none.
void SelectItem(ItemRecord& record, int index);
int GetSelectedItem(const ItemRecord& record);

// Asks the window system to draw a user item on its next frame.
void QueueRedraw(ItemRecord& record);

// What a person does, delivered as the window system delivers it.
void ClickAsUser(ItemRecord& record);
void ChooseAsUser(ItemRecord& record, int index);
enum class MouseAction { Press, Release, Move };
void SendMouseAsUser(ItemRecord& record, MouseAction action, Point point, bool leftButtonPressed,
                     std::uint32_t time);

} // namespace controls

// The window system's loop.
bool StartNativeToolkit();
// Handles the events waiting, without waiting for more; answers whether there were any.
bool HandleWaitingEvent();
// Waits for at most `timeoutMs` milliseconds (forever for a negative one) and handles what came.
void WaitForEvents(int timeoutMs);
// The window system's time of input events, in milliseconds.
std::uint32_t EventClock();
// How near in time and place a second press must follow the first to make a double click.
struct DoubleClickRule {
    std::uint32_t timeMs = 400;
    int distance = 5;
};
DoubleClickRule GetDoubleClickRule();

} // namespace host
