#include "hostapp/DialogRunWatch.h"

#include "host/Toolkit.h"

#include <algorithm>
#include <chrono>

namespace {

double MonotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

DialogRunWatch::DialogRunWatch(HostJournal& journal) : journal(journal) {
    host::SetDialogClosedHook(
        [this](const host::ModalDialog& dialog, bool accepted) { Closed(dialog, accepted); });
}

DialogRunWatch::~DialogRunWatch() {
    host::SetDialogClosedHook({});
}

void DialogRunWatch::Watch(host::ModalDialog& dialog) {
    journal.dialogRuns.emplace_back();
    const std::size_t run = journal.dialogRuns.size() - 1;
    openRuns.emplace_back(&dialog, run);
    if (host::FlushRedraws()) {
        journal.dialogRuns[run].drawnAt = MonotonicSeconds();
    }
}

void DialogRunWatch::Closed(const host::ModalDialog& dialog, bool accepted) {
    const auto open = std::find_if(openRuns.begin(), openRuns.end(),
                                   [&dialog](const auto& entry) { return entry.first == &dialog; });
    if (open == openRuns.end()) {
        return;
    }
    DialogRun& run = journal.dialogRuns[open->second];
    run.closed = true;
    run.accepted = accepted;
    openRuns.erase(open);
}
