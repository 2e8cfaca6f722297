#include "host/AlertBox.h"

#include <gtk/gtk.h>

#include "host/std/SystemAlert.h"
#include "host/std/ToolkitState.h"

namespace host {
namespace {

GtkMessageType MessageType(AlertType type) {
    switch (type) {
    case AlertType::Error:
        return GTK_MESSAGE_ERROR;
    case AlertType::Warning:
        return GTK_MESSAGE_WARNING;
    case AlertType::Information:
        return GTK_MESSAGE_INFO;
    }
    return GTK_MESSAGE_OTHER;
}

} // namespace

std::int16_t ShowSystemAlert(const AlertRequest& request) {
    if (!IsToolkitRunning()) {
        return std::int16_t(request.buttons.size());
    }
    GtkWidget* box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, MessageType(request.type),
                                            GTK_BUTTONS_NONE, "%s", request.title.c_str());
    std::string secondary = request.text;
    if (!request.detail.empty()) {
        secondary += (secondary.empty() ? "" : "\n\n") + request.detail;
    }
    if (!secondary.empty()) {
        gtk_message_dialog_format_secondary_text(GTK_MESSAGE_DIALOG(box), "%s", secondary.c_str());
    }
    for (std::size_t i = 0; i < request.buttons.size(); ++i) {
        gtk_dialog_add_button(GTK_DIALOG(box), request.buttons[i].c_str(), int(i + 1));
    }
    gtk_dialog_set_default_response(GTK_DIALOG(box), 1);
    const int response = gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
    return std::int16_t(response);
}

} // namespace host
