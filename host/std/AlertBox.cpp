#include "host/AlertBox.h"

#include "host/std/SystemAlert.h"
#include "host/std/ToolkitState.h"
#include "host/std/ValidUtf8.h"

#include <utility>

namespace host {
namespace {

AlertResponder& Responder() {
    static AlertResponder responder;
    return responder;
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
        chosen = responder ? responder(request) : ShowSystemAlert(request);
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
