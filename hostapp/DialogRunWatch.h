#pragma once

#include "hostapp/HostJournal.h"

#include <utility>
#include <vector>

namespace host {
class ModalDialog;
}

// Records the dialogs the add-on opens as runs in the journal: when a dialog has drawn all its
// items, and whether it was accepted when it closes. Watches every dialog that closes while the
// watch lives; the dialogs to watch are handed to Watch from the toolkit's dialog-opened hook.
class DialogRunWatch {
public:
    explicit DialogRunWatch(HostJournal& journal);
    ~DialogRunWatch();
    DialogRunWatch(const DialogRunWatch&) = delete;
    DialogRunWatch& operator=(const DialogRunWatch&) = delete;

    // Adds a run for a dialog that has just opened: waits until all its items are drawn and notes
    // the time.
    void Watch(host::ModalDialog& dialog);

private:
    void Closed(const host::ModalDialog& dialog, bool accepted);

    HostJournal& journal;
    // The open dialogs watched, with their runs' places in the journal.
    std::vector<std::pair<const host::ModalDialog*, std::size_t>> openRuns;
};
