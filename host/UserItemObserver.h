#pragma once

#include "host/NativeDrawContext.h"
#include "host/Point.h"

namespace host {

class UserItem;

struct UserItemUpdateEvent {
    UserItem* source = nullptr;
    // The context to draw into, in the item's own coordinates: (0, 0) is the item's top-left
    // corner and drawing is clipped to the item. Valid only during the notification.
    NativeDrawContext* context = nullptr;
};

struct UserItemMouseEvent {
    UserItem* source = nullptr;
    Point offset; // the mouse relative to the item's top-left corner; may lie outside while dragging
    bool leftButtonPressed = false;
};

// Notifications of a user item. A redraw request leads to one update notification, on the
// toolkit's next frame; clicks are sent when the button goes down, and the second press of a double
// click is sent as a double click instead of a click. Mouse moves are sent only after
// UserItem::EnableMouseMoveEvents(), with the left button's state.
class UserItemObserver {
public:
    virtual ~UserItemObserver() = default;
    virtual void UserItemUpdate(const UserItemUpdateEvent&) {}
    virtual void UserItemClicked(const UserItemMouseEvent&) {}
    virtual void UserItemDoubleClicked(const UserItemMouseEvent&) {}
    virtual void UserItemMouseMoved(const UserItemMouseEvent&) {}
};

// Dragging out of and dropping onto user items. The stand-in toolkit has no drag and drop between
// items, so these interfaces carry no notifications yet.
class UserItemDragSourceObserver {
public:
    virtual ~UserItemDragSourceObserver() = default;
};

class UserItemDropTargetObserver {
public:
    virtual ~UserItemDropTargetObserver() = default;
};

} // namespace host
