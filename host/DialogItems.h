#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/ItemObservers.h"
#include "host/Rect.h"

namespace host {

class ModalDialog;
struct ItemRecord;

// Kind code of user items, the items a dialog appends at run time (template items use the codes of
// DialogItemKind).
inline constexpr std::int16_t UserItemKind = 18;

// A member object bound to one item of a dialog by its id. When the dialog has no item of that id
// and of the object's kind, the object is unbound: its operations change nothing and its queries
// answer empty values. An object that outlives its dialog becomes unbound.
//
// Rectangles are in pixels from the top-left corner of the dialog's client area. Texts handed in
// and read back are UTF-8 (the system's default code page).
class Item {
public:
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;
    virtual ~Item();

    std::int16_t GetId() const { return id; }
    bool IsBound() const { return record != nullptr; }

    Rect GetRect() const;
    void Show();
    void Hide();
    bool IsVisible() const;
    void Enable();
    void Disable();
    bool IsEnabled() const;

protected:
    // Binds to item `id` of `dialog` if its kind is one of the bits (1 << kind) of `kindMask`.
    Item(ModalDialog& dialog, std::int16_t id, std::uint32_t kindMask);

    ItemRecord* GetRecord() const { return record; }

private:
    friend class DialogWindow; // unbinds the objects of a dialog that goes away
    ItemRecord* record = nullptr;
    std::int16_t id;
};

class PushButton : public Item {
public:
    PushButton(ModalDialog& dialog, std::int16_t id);

    void SetText(std::string_view utf8);
    std::string GetText() const;

    void Attach(ButtonObserver& observer);
    void Detach(ButtonObserver& observer);
};

// A button that shows the icon resource named by its template item.
class IconPushButton : public Item {
public:
    IconPushButton(ModalDialog& dialog, std::int16_t id);

    void Attach(ButtonObserver& observer);
    void Detach(ButtonObserver& observer);
};

// A toggle button that stays pressed while it is on. A click by the user flips it.
class PushCheck : public Item {
public:
    PushCheck(ModalDialog& dialog, std::int16_t id);

    void SetText(std::string_view utf8);
    std::string GetText() const;

    void SetOn();
    void SetOff();
    bool IsOn() const;

    void Attach(CheckItemObserver& observer);
    void Detach(CheckItemObserver& observer);
};

// A drop-down list. Items are numbered from 1; 0 stands for no item. The popup's rectangle has its
// closed height (19 pixels), whatever height the template gives for its opened list.
class PopUp : public Item {
public:
    static constexpr std::int16_t ClosedHeight = 19;

    PopUp(ModalDialog& dialog, std::int16_t id);

    void AppendItem(); // an item with empty text at the end
    void DeleteItem(std::int16_t index);
    void DeleteAllItems();
    std::int16_t GetItemCount() const;

    void SetItemText(std::int16_t index, std::string_view utf8);
    std::string GetItemText(std::int16_t index) const;

    void SelectItem(std::int16_t index); // 0 leaves no item selected
    std::int16_t GetSelectedItem() const;

    void Attach(PopUpObserver& observer);
    void Detach(PopUpObserver& observer);
};

// Static text, left-aligned, on one line; text that does not fit ends in an ellipsis.
class LeftText : public Item {
public:
    LeftText(ModalDialog& dialog, std::int16_t id);

    void SetText(std::string_view utf8);
    std::string GetText() const;
};

// A horizontal or vertical separator line.
class Separator : public Item {
public:
    Separator(ModalDialog& dialog, std::int16_t id);
};

} // namespace host
