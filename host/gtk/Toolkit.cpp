#include "host/std/NativeToolkit.h"

#include "host/Toolkit.h"

#include <gtk/gtk.h>

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

void InstallDialogStyle() {
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, dialogStyle, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

} // namespace

bool StartNativeToolkit() {
    // Everything is drawn with cairo; probing the display for OpenGL would only load the GL
    // drivers, a tenth of a second at start-up. A value the user set is kept.
    g_setenv("GDK_GL", "disable", FALSE);
    if (!gtk_init_check(nullptr, nullptr)) {
        return false;
    }
    InstallDialogStyle();
    return true;
}

void EnableAnimations(bool enabled) {
    g_object_set(gtk_settings_get_default(), "gtk-enable-animations", enabled ? TRUE : FALSE, nullptr);
}

bool HandleWaitingEvent() {
    return g_main_context_iteration(nullptr, FALSE);
}

void WaitForEvents(int timeoutMs) {
    if (timeoutMs < 0) {
        g_main_context_iteration(nullptr, TRUE);
        return;
    }
    // Wakes the loop at the deadline should nothing come.
    GSource* alarm = g_timeout_source_new(guint(timeoutMs));
    g_source_set_callback(
        alarm, [](gpointer) -> gboolean { return G_SOURCE_REMOVE; }, nullptr, nullptr);
    g_source_attach(alarm, nullptr);
    g_main_context_iteration(nullptr, TRUE);
    g_source_destroy(alarm);
    g_source_unref(alarm);
}

std::uint32_t EventClock() {
    return std::uint32_t(g_get_monotonic_time() / 1000);
}

DoubleClickRule GetDoubleClickRule() {
    int time = 400;
    int distance = 5;
    g_object_get(gtk_settings_get_default(), "gtk-double-click-time", &time, "gtk-double-click-distance",
                 &distance, nullptr);
    return DoubleClickRule{std::uint32_t(time), distance};
}

} // namespace host
