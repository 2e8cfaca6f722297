#include "host/Toolkit.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "host/gtk/DialogWindow.h"
#include "host/std/ToolkitState.h"

namespace host {
namespace {

// Dialogs are laid out in pixels for small controls: the theme's paddings and minimum sizes are
// cut down so that every item fits its template rectangle.
const char* const dialogStyle = R"css(
.tn-dialog { font-family: "DejaVu Sans", sans-serif; font-size: 8pt; }
.tn-dialog button { min-height: 0; min-width: 0; padding: 0 4px; box-shadow: none; }
.tn-dialog button.image-button { padding: 0; }
.tn-dialog combobox button { padding: 0 2px 0 4px; }
.tn-dialog combobox arrow { min-height: 12px; min-width: 12px; -gtk-icon-transform: scale(0.75); }
.tn-dialog separator { min-height: 1px; min-width: 1px; }
)css";

struct GtkState {
    bool tried = false;
    bool running = false;
};

GtkState& State() {
    static GtkState state;
    return state;
}

void InstallDialogStyle() {
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, dialogStyle, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

bool AnyRedrawPending() {
    const auto& dialogs = DialogWindow::GetAll();
    return std::any_of(dialogs.begin(), dialogs.end(),
                       [](const DialogWindow* dialog) { return dialog->HasPendingRedraws(); });
}

} // namespace

bool InitToolkit() {
    GtkState& state = State();
    if (!state.tried) {
        state.tried = true;
        // Everything is drawn with cairo; probing the display for OpenGL would only load the GL
        // drivers, a tenth of a second at start-up. A value the user set is kept.
        g_setenv("GDK_GL", "disable", FALSE);
        state.running = gtk_init_check(nullptr, nullptr);
        if (state.running) {
            InstallDialogStyle();
        }
    }
    return state.running;
}

bool IsToolkitRunning() {
    return State().running;
}

void ProcessPendingEvents() {
    if (!IsToolkitRunning()) {
        return;
    }
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    RethrowKeptException();
}

bool FlushRedraws(int timeoutMs) {
    if (!IsToolkitRunning()) {
        return true;
    }
    const gint64 deadline = g_get_monotonic_time() + gint64(std::max(timeoutMs, 0)) * 1000;
    while (AnyRedrawPending()) {
        const gint64 left = deadline - g_get_monotonic_time();
        if (left <= 0) {
            return false;
        }
        // Wakes the loop at the deadline should no frame come.
        GSource* alarm = g_timeout_source_new(guint(left / 1000) + 1);
        g_source_set_callback(
            alarm, [](gpointer) -> gboolean { return G_SOURCE_REMOVE; }, nullptr, nullptr);
        g_source_attach(alarm, nullptr);
        g_main_context_iteration(nullptr, TRUE);
        g_source_destroy(alarm);
        g_source_unref(alarm);
        RethrowKeptException();
    }
    return true;
}

} // namespace host
