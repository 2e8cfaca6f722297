#include "host/UserItem.h"

#include "host/Toolkit.h"
#include "host/std/DialogWindow.h"
#include "host/std/ItemEvents.h"
#include "host/std/ValidUtf8.h"

namespace host {

UserItem::UserItem(ModalDialog& dialog, std::int16_t id) : Item(dialog, id, 1u << UserItemKind) {}

void UserItem::Redraw(bool /*eraseBackground*/, bool immediately) {
    if (ItemRecord* record = GetRecord()) {
        ++record->redrawRequests;
        controls::QueueRedraw(*record);
        ExpectUpdate(*record);
        // The toolkit's loop must not run inside a frame that is being drawn.
        if (immediately && !IsInsideUpdate()) {
            FlushRedraws();
        }
    }
}

void UserItem::EnableMouseMoveEvents() {
    if (GetRecord()) {
        GetRecord()->mouseMoves = true;
    }
}

void UserItem::Attach(UserItemObserver& observer) {
    if (GetRecord()) {
        GetRecord()->Attach(this, &observer);
    }
}

void UserItem::Detach(UserItemObserver& observer) {
    if (GetRecord()) {
        GetRecord()->Detach(this, &observer);
    }
}

void UserItem::SetAccessibleName(std::string_view utf8) {
    if (GetRecord()) {
        GetRecord()->accessibleName = ValidUtf8(utf8);
    }
}

void UserItem::SetAccessibleElements(std::vector<AccessibleElement> elements) {
    if (GetRecord()) {
        for (AccessibleElement& element : elements) {
            element.name = ValidUtf8(element.name);
        }
        GetRecord()->accessibleElements = std::move(elements);
    }
}

void UserItem::SetAccessibleLabel(std::string_view utf8) {
    if (GetRecord()) {
        GetRecord()->accessibleLabel = ValidUtf8(utf8);
    }
}

} // namespace host
