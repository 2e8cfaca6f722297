#pragma once

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "host/DialogItems.h"
#include "host/ItemObservers.h"
#include "host/ModalDialog.h"
#include "host/UserItem.h"
#include "host/UserItemObserver.h"

namespace host {

struct DialogTemplate;

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
    GtkWidget* widget = nullptr; // owned by the client area
    std::vector<Item*> boundItems;
    std::vector<ItemAttachment> attachments;
    int programChanges = 0; // while above 0 the program changes the widget: no notifications

    // User items.
    bool mouseMoves = false;
    bool redrawPending = false;
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

// The window of a modal dialog and the records of its items.
class DialogWindow {
public:
    // Null when the template is malformed (duplicate or non-positive ids, unknown kinds, negative
    // sizes) or the toolkit is not running.
    static std::unique_ptr<DialogWindow> Create(ModalDialog& owner, const DialogTemplate& dialogTemplate);
    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    ModalDialog& GetOwner() const { return owner; }
    const std::string& GetTitle() const { return title; }
    std::int16_t GetWidth() const { return width; }
    std::int16_t GetHeight() const { return height; }
    GtkWidget* GetToplevel() const { return toplevel; }
    GtkWidget* GetClientArea() const { return clientArea; }

    ItemRecord* Find(std::int16_t id) const;
    const std::vector<std::unique_ptr<ItemRecord>>& GetRecords() const { return records; }
    ItemRecord* Bind(Item& item, std::int16_t id, std::uint32_t kindMask);
    void Unbind(Item& item);
    std::int16_t AppendUserItem(const Rect& rect);

    void Attach(PanelObserver& observer);
    void Detach(PanelObserver& observer);
    void EnableIdleEvents(bool whileCovered);
    void DisableIdleEvents();
    bool IsIdleEnabled() const { return idleEnabled; }
    void NotifyIdle();

    std::optional<MousePosition> GetMousePosition() const;
    // The mouse position the driver has moved to, in client coordinates; it replaces the
    // window system's pointer until the dialog closes.
    void SetDrivenPointer(Point clientPoint) { drivenPointer = clientPoint; }

    bool BeginModal();
    void EndModal(DialogResponse response);
    void PostCloseRequest(DialogResponse response);
    bool IsOpen() const { return open; }
    bool WasAccepted() const { return accepted; }
    bool IsCovered() const;

    bool HasPendingRedraws() const;
    static const std::vector<DialogWindow*>& GetAll();

private:
    DialogWindow(ModalDialog& owner, const DialogTemplate& dialogTemplate);
    ItemRecord& AddRecord(std::int16_t id, std::int16_t kind, const Rect& rect, GtkWidget* widget);
    void StartIdleTimer();
    void StopIdleTimer();
    void CancelPostedClose();

    ModalDialog& owner;
    std::string title;
    std::int16_t width = 0;
    std::int16_t height = 0;
    GtkWidget* toplevel = nullptr;
    GtkWidget* clientArea = nullptr;
    std::vector<std::unique_ptr<ItemRecord>> records; // in the order the items were made
    std::vector<PanelObserver*> panelObservers;

    bool open = false;
    bool accepted = false;
    bool idleEnabled = false;
    bool idleWhileCovered = false;
    guint idleSource = 0;
    guint closeSource = 0;
    DialogResponse postedResponse = DialogResponse::Cancel;
    std::optional<Point> drivenPointer;
};

} // namespace host
