#pragma once

#include <exception>

// What every dialog toolkit backend shares: the modal layers, the opened and closed hooks, and keeping
// exceptions out of the window system's C code.
namespace host {

class ModalDialog;

// The modal dialogs and alert boxes that are open, the last opened on top.
void PushModalLayer(const void* layer);
void PopModalLayer(const void* layer);
const void* GetTopModalLayer();

// Tells the host's opened hook about a dialog that has opened.
void NotifyDialogOpened(ModalDialog& dialog);
// Tells the host's closed hook about a dialog that has closed.
void NotifyDialogClosed(const ModalDialog& dialog, bool accepted);

// Whether the backend's toolkit has started; each backend answers.
bool IsToolkitRunning();

// Exceptions must not cross the toolkit's C code: what a notification called from the toolkit's
// loop throws is kept and thrown again once control is back in C++ (Invoke, ProcessPendingEvents,
// FlushRedraws, the driver's actions). Only the first exception is kept.
void KeepException(std::exception_ptr exception);
void RethrowKeptException();

template <typename Function> void CallFromLoop(Function&& function) noexcept {
    try {
        function();
    } catch (...) {
        KeepException(std::current_exception());
    }
}

} // namespace host
