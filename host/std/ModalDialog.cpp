#include "host/ModalDialog.h"

#include "host/DialogTemplate.h"
#include "host/MemoryHandle.h"
#include "host/ResourceTypes.h"
#include "host/std/DialogWindow.h"
#include "host/std/ToolkitState.h"

namespace host {
namespace {

std::optional<DialogTemplate> LoadTemplate(std::int16_t resourceId) {
    MemHandle handle = LoadResource(DialogTemplateResource, resourceId);
    if (!handle) {
        return std::nullopt;
    }
    auto parsed = DialogTemplate::Parse(reinterpret_cast<const std::uint8_t*>(GetHandleData(handle)),
                                        GetHandleSize(handle));
    DisposeHandle(handle);
    return parsed;
}

} // namespace

ModalDialog::ModalDialog(std::int16_t resourceId) {
    if (const auto dialogTemplate = LoadTemplate(resourceId)) {
        window = DialogWindow::Create(*this, *dialogTemplate);
    }
}

ModalDialog::ModalDialog(const DialogTemplate& dialogTemplate)
    : window(DialogWindow::Create(*this, dialogTemplate)) {}

ModalDialog::~ModalDialog() = default;

std::int16_t ModalDialog::AppendUserItem(std::int16_t left, std::int16_t top, std::int16_t width,
                                         std::int16_t height) {
    if (!window || width < 0 || height < 0) {
        return 0;
    }
    return window->AppendUserItem(Rect(left, top, std::int16_t(left + width), std::int16_t(top + height)));
}

void ModalDialog::Attach(PanelObserver& observer) {
    if (window) {
        window->Attach(observer);
    }
}

void ModalDialog::Detach(PanelObserver& observer) {
    if (window) {
        window->Detach(observer);
    }
}

void ModalDialog::EnableIdleEvents(bool whileCovered) {
    if (window) {
        window->EnableIdleEvents(whileCovered);
    }
}

void ModalDialog::DisableIdleEvents() {
    if (window) {
        window->DisableIdleEvents();
    }
}

bool ModalDialog::GetMousePosition(MousePosition& position) const {
    const auto read = window ? window->GetMousePosition() : std::nullopt;
    if (read) {
        position = *read;
    }
    return read.has_value();
}

void ModalDialog::PostCloseRequest(DialogResponse response) {
    if (window) {
        window->PostCloseRequest(response);
    }
}

bool ModalDialog::Invoke() {
    if (!BeginModal()) {
        return false;
    }
    while (window->IsOpen()) {
        WaitForEvents(-1);
        try {
            RethrowKeptException();
        } catch (...) {
            window->EndModal(DialogResponse::Cancel);
            throw;
        }
    }
    return window->WasAccepted();
}

bool ModalDialog::BeginModal() {
    return window && window->BeginModal();
}

void ModalDialog::EndModal(DialogResponse response) {
    if (window) {
        window->EndModal(response);
    }
}

bool ModalDialog::IsOpen() const {
    return window && window->IsOpen();
}

bool ModalDialog::WasAccepted() const {
    return window && window->WasAccepted();
}

} // namespace host
