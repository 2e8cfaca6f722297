#pragma once

namespace host {

class ModalDialog;

struct PanelOpenEvent {
    ModalDialog* source = nullptr;
};

struct PanelIdleEvent {
    ModalDialog* source = nullptr;
};

// Notifications of a dialog as a whole. Both run on the user-interface thread inside the dialog's
// modal run; observers may attach and detach observers (themselves included) while they run.
class PanelObserver {
public:
    virtual ~PanelObserver() = default;

    // The dialog has opened and is about to take input; it is shown on the screen.
    virtual void PanelOpened(const PanelOpenEvent&) {}
    // Sent regularly while the dialog runs, once idle events are switched on for it.
    virtual void PanelIdle(const PanelIdleEvent&) {}
};

} // namespace host
