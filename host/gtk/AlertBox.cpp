#include "host/AlertBox.h"

#include <gtk/gtk.h>

#include <utility>

#include "host/gtk/ItemWidgets.h"
#include "host/std/ToolkitState.h"

namespace host {
namespace {

AlertResponder& Responder() {
    static AlertResponder responder;
    return responder;
}

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

std::int16_t ShowAlertBox(const AlertRequest& request) {
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

} // namespace

std::int16_t Alert(AlertType type, std::string_view title, std::string_view text, std::string_view detail,
                   std::string_view button1, std::string_view button2, std::string_view button3) {
    AlertRequest request{type, ValidUtf8(title), ValidUtf8(text), ValidUtf8(detail), {}};
    for (std::string_view label : {button1, button2, button3}) {
        if (label.empty()) {
            break;
        }
        request.buttons.push_back(ValidUtf8(label));
    }
    if (request.buttons.empty()) {
        request.buttons.push_back("OK");
    }
    // A copy, so that the responder may replace itself.
    const AlertResponder responder = Responder();
    PushModalLayer(&request);
    std::int16_t chosen = 0;
    try {
        chosen = responder ? responder(request) : ShowAlertBox(request);
    } catch (...) {
        PopModalLayer(&request);
        throw;
    }
    PopModalLayer(&request);
    const auto count = std::int16_t(request.buttons.size());
    return chosen >= 1 && chosen <= count ? chosen : count;
}

AlertResponder SetAlertResponder(AlertResponder responder) {
    return std::exchange(Responder(), std::move(responder));
}

} // namespace host
