#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/DialogItems.h"
#include "host/ItemObservers.h"
#include "host/UserItem.h"
#include "host/UserItemObserver.h"

// What every dialog toolkit backend keeps of a dialog's items: records, the observers attached
// through bound items, and the suppression of notifications for changes the program makes.
namespace host {

class DialogWindow; // each backend's window of a modal dialog
struct NativeWidget; // each backend's control of an item

using ItemObserverRef = std::variant<ButtonObserver*, PopUpObserver*, CheckItemObserver*, UserItemObserver*>;

// An observer attached to an item through one of the item's bound objects, the events' source.
struct ItemAttachment {
    Item* source = nullptr;
    ItemObserverRef observer;

    friend bool operator==(const ItemAttachment&, const ItemAttachment&) = default;
};

// The toolkit's record of one item of a dialog.
struct ItemRecord {
    DialogWindow* window = nullptr;
    std::int16_t id = 0;
    std::int16_t kind = 0;
    Rect rect;
    NativeWidget* widget = nullptr; // the backend's control, owned by the dialog's window
    std::vector<Item*> boundItems;
    std::vector<ItemAttachment> attachments;
    int programChanges = 0; // while above 0 the program changes the widget: no notifications

    // User items.
    bool mouseMoves = false;
    bool redrawPending = false;
    int redrawRequests = 0; // how often the program asked for a redraw
    std::optional<std::uint32_t> lastClickTime; // the press that may start a double click
    Point lastClickPoint;
    std::string accessibleName;
    std::vector<AccessibleElement> accessibleElements;
    std::string accessibleLabel;

    void Attach(Item* source, ItemObserverRef observer);
    void Detach(Item* source, ItemObserverRef observer);

    // Calls `notify(observer, source)` for every attached observer of type Observer that is still
    // attached when its turn comes.
    template <typename Observer, typename Notify> void NotifyObservers(Notify&& notify) {
        const std::vector<ItemAttachment> snapshot = attachments;
        for (const ItemAttachment& attachment : snapshot) {
            Observer* const* observer = std::get_if<Observer*>(&attachment.observer);
            if (observer &&
                std::find(attachments.begin(), attachments.end(), attachment) != attachments.end()) {
                notify(**observer, *attachment.source);
            }
        }
    }
};

// Changes a widget from the program, so that the change notifies nobody.
class ProgramChange {
public:
    explicit ProgramChange(ItemRecord& record) : record(record) { ++record.programChanges; }
    ~ProgramChange() { --record.programChanges; }
    ProgramChange(const ProgramChange&) = delete;
    ProgramChange& operator=(const ProgramChange&) = delete;

private:
    ItemRecord& record;
};

} // namespace host
