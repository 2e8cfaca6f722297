#pragma once

namespace host {

class Item;
class PopUp;
class PushCheck;

// The event's source is the bound item object through which the observer was attached.

struct ButtonClickEvent {
    Item* source = nullptr; // a PushButton or an IconPushButton
};

// A button was pressed by the user (not by the program).
class ButtonObserver {
public:
    virtual ~ButtonObserver() = default;
    virtual void ButtonClicked(const ButtonClickEvent&) {}
};

struct PopUpChangeEvent {
    PopUp* source = nullptr;
};

// The user chose an item of a popup; the popup's selection already is the chosen item. Selecting
// from the program notifies nobody.
class PopUpObserver {
public:
    virtual ~PopUpObserver() = default;
    virtual void PopUpChanged(const PopUpChangeEvent&) {}
};

struct CheckItemChangeEvent {
    PushCheck* source = nullptr;
};

// The user clicked a push-check. The click has already flipped it, so IsOn() answers the new state.
// Setting it from the program notifies nobody.
class CheckItemObserver {
public:
    virtual ~CheckItemObserver() = default;
    virtual void CheckItemChanged(const CheckItemChangeEvent&) {}
};

} // namespace host
