#pragma once

#include <cstdint>
#include <memory>

#include "host/PanelObserver.h"
#include "host/Point.h"

namespace host {

struct DialogTemplate;
class DialogWindow;

enum class DialogResponse {
    Accept = 1,
    Cancel = 2,
};

// Where the mouse is over a dialog.
struct MousePosition {
    std::int16_t itemId = 0; // the topmost shown item under the mouse; 0 for none
    Point offset;            // relative to that item's top-left corner (to the client area's for none)
};

// A modal dialog of the toolkit, built from a dialog template: a window titled with the template's
// title whose client area has the template's size and holds the template's items at their
// rectangles. Member objects bind to the items by id (DialogItems.h, UserItem.h).
//
// Everything runs on the user-interface thread. The toolkit must be initialised (InitToolkit) before
// a dialog is built; a dialog built without it, or from a template that cannot be had, is invalid:
// it binds no items, opens never and Invoke answers false.
class ModalDialog {
public:
    // From dialog template `resourceId` ('DLOG') of the active resource module.
    explicit ModalDialog(std::int16_t resourceId);
    explicit ModalDialog(const DialogTemplate& dialogTemplate);
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;
    virtual ~ModalDialog();

    bool IsValid() const { return window != nullptr; }

    // Appends a user item (kind 18) at a rectangle of the client area, shown, on top of the items
    // before it. Answers its id, one above the highest id so far; 0 when none could be appended.
    std::int16_t AppendUserItem(std::int16_t left, std::int16_t top, std::int16_t width, std::int16_t height);

    void Attach(PanelObserver& observer);
    void Detach(PanelObserver& observer);

    // Idle notifications about every 50 ms while the dialog runs. Unless `whileCovered`, they pause
    // while another modal dialog or an alert box is open above this one.
    void EnableIdleEvents(bool whileCovered = false);
    void DisableIdleEvents();

    // Where the mouse is, in the dialog's terms. False when it cannot be read (the dialog is not
    // open).
    bool GetMousePosition(MousePosition& position) const;

    // Ends the modal run with `response` once control returns to the toolkit's loop; safe from
    // inside any notification. Does nothing when the dialog is not open.
    void PostCloseRequest(DialogResponse response);

    // Opens the dialog, runs it until it is closed and answers whether it closed with the accept
    // response. Closing the window through its own controls ends the run without acceptance.
    bool Invoke();

    // Invoke in two halves, for callers that run the toolkit's loop themselves. BeginModal shows
    // the dialog, sends the panel-opened notification and tells the host's opened hook (Toolkit.h);
    // false when the dialog is invalid or already open. EndModal closes it at once.
    bool BeginModal();
    void EndModal(DialogResponse response);
    bool IsOpen() const;
    bool WasAccepted() const; // of the last run that ended

private:
    friend class Item;
    friend class DialogDriver;
    std::unique_ptr<DialogWindow> window;
};

} // namespace host
