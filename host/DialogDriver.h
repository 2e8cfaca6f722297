#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/Rect.h"
#include "host/UserItem.h"

namespace host {

class DialogWindow;
class Image;
class ModalDialog;
struct ItemRecord;

// What an item shows, read back from the window.
struct ItemState {
    std::int16_t id = 0;
    std::int16_t kind = 0; // a DialogItemKind code, or UserItemKind
    Rect rect;
    bool visible = false;
    bool enabled = false;
    std::string text;                    // buttons, push-checks and static texts (UTF-8)
    std::vector<std::string> popUpItems; // popups: the item texts in order
    std::int16_t selectedItem = 0;       // popups: 1-based, 0 for none
    bool on = false;                     // push-checks
    std::string accessibleName;          // user items
    std::vector<AccessibleElement> elements;
    std::string label;                   // user items: the label shown over them, empty for none
    int redrawRequests = 0;              // user items: how often the program asked for a redraw
};

struct DialogState {
    std::string title;
    std::int16_t width = 0;
    std::int16_t height = 0;
    bool open = false;
    std::vector<ItemState> items; // in the order the items were made
};

// "PushButton", "PopUp", ... "UserItem"; "Unknown" for other codes.
const char* ItemKindName(std::int16_t kind);

// Drives an open dialog as a person would, each action through the notifications that person's
// action produces, and reads back what the dialog shows. Every action answers false and does
// nothing when a person could not do it either: no such item, an item of another kind, hidden or
// disabled, or a dialog that is not open. After each action the events it caused are handled.
//
// Mouse actions on user items take points in the item's own coordinates; they also move the
// dialog's mouse position (GetMousePosition) there, where it stays until the next mouse action.
class DialogDriver {
public:
    explicit DialogDriver(ModalDialog& dialog) : dialog(dialog) {}

    // Chooses the first item of popup `id` whose text is `utf8`.
    bool ChoosePopUpItem(std::int16_t id, std::string_view utf8);
    // Clicks a push button, icon push button or push-check.
    bool Click(std::int16_t id);

    bool ClickAt(std::int16_t userItemId, Point point);
    bool DoubleClickAt(std::int16_t userItemId, Point point);
    // A mouse move to `point`, with or without the left button held.
    bool MoveTo(std::int16_t userItemId, Point point, bool leftButtonPressed);
    // Presses the left button at `from`, moves in `steps` equal steps (1 to MaxDragSteps) to `to`
    // with the button held, and releases it there.
    static constexpr int MaxDragSteps = 10000;
    bool Drag(std::int16_t userItemId, Point from, Point to, int steps);
    // Clicks the centre of accessible element `index` (0-based) of a user item.
    bool ClickElement(std::int16_t userItemId, std::size_t index);
    // Moves the mouse over item `id` at `point` without a button and, when the dialog has idle
    // events on, lets one idle notification run, as when a person rests the mouse there. Any shown
    // item will do, enabled or not.
    bool Hover(std::int16_t id, Point point);

    // Closes the window through its own close control, which ends the run without acceptance.
    bool CloseWindow();

    // The id of the first user item with accessible name `utf8`.
    std::optional<std::int16_t> FindUserItem(std::string_view utf8) const;

    DialogState GetState() const;
    std::optional<ItemState> GetItemState(std::int16_t id) const;

    // The client area as it is shown, and the same saved as a PNG file. Null or false when the
    // dialog is not open (or the file cannot be written).
    std::unique_ptr<Image> Capture();
    bool SaveScreenshot(const std::string& path);

private:
    DialogWindow* OpenWindow() const;
    ItemRecord* Usable(std::int16_t id, std::uint32_t kindMask, bool mustBeEnabled = true) const;
    bool SendMouse(std::int16_t userItemId, int action, Point point, bool leftButtonPressed, bool startsAction);

    ModalDialog& dialog;
};

} // namespace host
