#include "hostapp/PlatformRecorder.h"

#include <cstdio>
#include <string>

namespace {

const char* AlertTypeName(host::AlertType type) {
    switch (type) {
    case host::AlertType::Error:
        return "error";
    case host::AlertType::Warning:
        return "warning";
    case host::AlertType::Information:
        return "information";
    }
    return "unknown";
}

} // namespace

PlatformRecorder::PlatformRecorder(HostJournal& journal, bool unattended)
    : journal(journal), unattended(unattended) {
    previousSink = host::SetDebugOutputSink([this](std::string_view text) {
        this->journal.AddDebugText(text);
        std::fwrite(text.data(), 1, text.size(), stderr);
        std::fflush(stderr);
    });
    previousResponder =
        host::SetAlertResponder([this](const host::AlertRequest& request) { return Answer(request); });
    previousOpenHandler =
        host::SetShellOpenHandler([this](std::string_view address) { return Open(address); });
}

PlatformRecorder::~PlatformRecorder() {
    host::SetShellOpenHandler(std::move(previousOpenHandler));
    host::SetAlertResponder(std::move(previousResponder));
    host::SetDebugOutputSink(std::move(previousSink));
    journal.FlushDebugText();
}

std::int16_t PlatformRecorder::Answer(const host::AlertRequest& request) {
    journal.alerts.push_back({AlertTypeName(request.type), request.title, request.text, request.buttons});
    if (unattended) {
        return 1;
    }
    // The toolkit's own box, for the person at the screen.
    auto self = host::SetAlertResponder({});
    const std::int16_t chosen = host::Alert(request.type, request.title, request.text, request.detail,
                                            request.buttons.empty() ? "" : request.buttons[0],
                                            request.buttons.size() > 1 ? request.buttons[1] : "",
                                            request.buttons.size() > 2 ? request.buttons[2] : "");
    host::SetAlertResponder(std::move(self));
    return chosen;
}

bool PlatformRecorder::Open(std::string_view address) {
    journal.webLinks.emplace_back(address);
    if (unattended) {
        return true;
    }
    // The desktop's own opener, for the person at the screen.
    auto self = host::SetShellOpenHandler({});
    const std::string file(address);
    const bool opened = host::ShellExecuteA(nullptr, "open", file.c_str(), nullptr, nullptr, host::ShowNormal) > 32;
    host::SetShellOpenHandler(std::move(self));
    return opened;
}
