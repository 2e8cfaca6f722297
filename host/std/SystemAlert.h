#pragma once

#include "host/AlertBox.h"

namespace host {

// Shows the request in the toolkit's own alert box and answers the button chosen; each toolkit
// backend shows it in its own way. Without a running toolkit it answers the last button.
std::int16_t ShowSystemAlert(const AlertRequest& request);

} // namespace host
