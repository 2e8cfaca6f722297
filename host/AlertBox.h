#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

enum class AlertType : std::int16_t {
    Error = -1,
    Warning = -2,
    Information = -3,
};

struct AlertRequest {
    AlertType type = AlertType::Information;
    std::string title;                // the first, large text
    std::string text;                 // the second text
    std::string detail;               // the third text
    std::vector<std::string> buttons; // one to three labels, first button first
};

// Shows a modal alert box and answers the button chosen, 1 to 3. Texts are UTF-8; an empty text
// is left out, and the buttons are those of the labels up to the first empty one (one "OK" button
// when the first label is empty). Closing the box without a button answers the last button.
std::int16_t Alert(AlertType type, std::string_view title, std::string_view text, std::string_view detail,
                   std::string_view button1, std::string_view button2 = {}, std::string_view button3 = {});

// Replaces what shows alert boxes: the responder receives each request and answers the button
// chosen (answers outside 1 to the number of buttons count as the last button). An empty
// responder restores the toolkit's own alert box. Answers the responder installed before.
using AlertResponder = std::function<std::int16_t(const AlertRequest&)>;
AlertResponder SetAlertResponder(AlertResponder responder);

} // namespace host
