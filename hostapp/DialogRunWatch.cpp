#include "hostapp/DialogRunWatch.h"

#include "host/DialogDriver.h"
#include "host/ModalDialog.h"
#include "host/Toolkit.h"

#include <gtk/gtk.h>

#include <ctime>

namespace {

struct RunWatch {
    host::ModalDialog* dialog;
    HostJournal* journal;
    std::size_t run;
};

double MonotonicSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The toolkit's window of an open dialog: the shown modal window with its title. The toolkit offers
// no notification of a dialog closing, so the host watches that window being hidden.
GtkWindow* FindDialogWindow(const std::string& title) {
    GtkWindow* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* entry = windows; entry != nullptr; entry = entry->next) {
        GtkWindow* window = GTK_WINDOW(entry->data);
        const gchar* windowTitle = gtk_window_get_title(window);
        if (gtk_widget_get_visible(GTK_WIDGET(window)) && gtk_window_get_modal(window) &&
            windowTitle != nullptr && title == windowTitle) {
            found = window;
        }
    }
    g_list_free(windows);
    return found;
}

void OnDialogHidden(GtkWidget* window, gpointer data) {
    auto* watch = static_cast<RunWatch*>(data);
    DialogRun& run = watch->journal->dialogRuns[watch->run];
    run.closed = true;
    run.accepted = watch->dialog->WasAccepted();
    g_signal_handlers_disconnect_by_func(window, reinterpret_cast<gpointer>(OnDialogHidden), data);
}

} // namespace

void WatchDialogRun(host::ModalDialog& dialog, HostJournal& journal) {
    journal.dialogRuns.emplace_back();
    const std::size_t run = journal.dialogRuns.size() - 1;
    if (host::FlushRedraws()) {
        journal.dialogRuns[run].drawnAt = MonotonicSeconds();
    }
    if (GtkWindow* window = FindDialogWindow(host::DialogDriver(dialog).GetState().title)) {
        g_signal_connect_data(
            window, "hide", G_CALLBACK(OnDialogHidden), new RunWatch{&dialog, &journal, run},
            [](gpointer data, GClosure*) { delete static_cast<RunWatch*>(data); }, GConnectFlags(0));
    }
}
