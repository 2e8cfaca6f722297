#include "host/std/SystemAlert.h"

#include "host/win32/Wide.h"

#include <windows.h>

namespace host {
namespace {

UINT Icon(AlertType type) {
    switch (type) {
    case AlertType::Error:
        return MB_ICONERROR;
    case AlertType::Warning:
        return MB_ICONWARNING;
    case AlertType::Information:
        return MB_ICONINFORMATION;
    }
    return 0;
}

} // namespace

// The system's message box, with as many buttons as asked for; it names them itself (OK; Yes and
// No; Yes, No and Cancel), in the order of the request's.
std::int16_t ShowSystemAlert(const AlertRequest& request) {
    std::string text = request.text;
    if (!request.detail.empty()) {
        text += (text.empty() ? "" : "\n\n") + request.detail;
    }
    const std::size_t count = request.buttons.size();
    const UINT buttons = count >= 3 ? MB_YESNOCANCEL : count == 2 ? MB_YESNO : MB_OK;
    const int chosen = MessageBoxW(nullptr, Widen(text).c_str(), Widen(request.title).c_str(),
                                   buttons | Icon(request.type) | MB_TASKMODAL);
    switch (chosen) {
    case IDYES:
        return 1;
    case IDNO:
        return 2;
    case IDOK:
        return 1;
    default:
        return std::int16_t(count);
    }
}

} // namespace host
