#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/DialogItems.h"
#include "host/UserItemObserver.h"

namespace host {

// A part of a drawn item, described for tools that read the dialog (the dialog driver, screen
// readers): its rectangle in the item's own coordinates, its name and whether it is selected.
struct AccessibleElement {
    Rect rect;
    std::string name; // UTF-8
    bool selected = false;

    friend bool operator==(const AccessibleElement&, const AccessibleElement&) = default;
};

// An item whose content its owner draws: every redraw request ends in an update notification that
// carries a native drawing context. User items are appended to a dialog at run time
// (ModalDialog::AppendUserItem) and then bound by their id like template items.
class UserItem : public Item {
public:
    UserItem(ModalDialog& dialog, std::int16_t id);

    std::int16_t GetWidth() const { return GetRect().GetWidth(); }
    std::int16_t GetHeight() const { return GetRect().GetHeight(); }

    // Asks for an update notification. It arrives on the toolkit's next frame, or before Redraw
    // returns with `immediately` (not from inside an update notification, and only while the item is
    // shown in an open dialog). The area is always cleared to the dialog's background before an
    // update, so `eraseBackground` changes nothing here; it is kept for callers written for
    // toolkits that keep the old pixels.
    void Redraw(bool eraseBackground = true, bool immediately = false);

    // From now on mouse moves over the item (and drags that started in it) are notified.
    void EnableMouseMoveEvents();

    void Attach(UserItemObserver& observer);
    void Detach(UserItemObserver& observer);

    // What the item shows, for readers of the dialog: a name for the item as a whole and its parts.
    void SetAccessibleName(std::string_view utf8);
    void SetAccessibleElements(std::vector<AccessibleElement> elements);
    // The text of the label the item shows over its content, such as a hover label; empty for none.
    void SetAccessibleLabel(std::string_view utf8);
};

} // namespace host
