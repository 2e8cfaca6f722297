#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/ModalDialog.h"
#include "host/std/ItemRecord.h"
#include "host/std/NativeToolkit.h"

namespace host {

struct DialogTemplate;

// A modal dialog as the toolkit keeps it: the records of its items, its observers, whether and how
// it runs. The backend's window shows it.
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
    NativeDialogWindow& GetNative() const { return *native; }

    ItemRecord* Find(std::int16_t id) const;
    const std::vector<std::unique_ptr<ItemRecord>>& GetRecords() const { return records; }
    ItemRecord* Bind(Item& item, std::int16_t id, std::uint32_t kindMask);
    void Unbind(Item& item);
    std::int16_t AppendUserItem(const Rect& rect);

    void Attach(PanelObserver& observer);
    void Detach(PanelObserver& observer);
    void EnableIdleEvents(bool whileCovered);
    void DisableIdleEvents();
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
    ItemRecord& AddRecord(std::int16_t id, std::int16_t kind, const Rect& rect, const DialogTemplateItem* item);
    void StartIdleTimer();

    ModalDialog& owner;
    std::string title;
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::unique_ptr<NativeDialogWindow> native;
    std::vector<std::unique_ptr<ItemRecord>> records; // in the order the items were made
    std::vector<PanelObserver*> panelObservers;

    bool open = false;
    bool accepted = false;
    bool idleEnabled = false;
    bool idleWhileCovered = false;
    bool idleRunning = false;
    std::optional<Point> drivenPointer;
};

} // namespace host
