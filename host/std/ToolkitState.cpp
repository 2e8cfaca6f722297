#include "host/std/ToolkitState.h"

#include "host/Toolkit.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace host {
namespace {

struct SharedState {
    std::vector<const void*> modalLayers;
    DialogOpenedHook openedHook;
    DialogClosedHook closedHook;
    std::exception_ptr keptException;
};

SharedState& Shared() {
    static SharedState state;
    return state;
}

} // namespace

DialogOpenedHook SetDialogOpenedHook(DialogOpenedHook hook) {
    return std::exchange(Shared().openedHook, std::move(hook));
}

void NotifyDialogOpened(ModalDialog& dialog) {
    // A copy, so that the hook may replace itself.
    const DialogOpenedHook hook = Shared().openedHook;
    if (hook) {
        hook(dialog);
    }
}

DialogClosedHook SetDialogClosedHook(DialogClosedHook hook) {
    return std::exchange(Shared().closedHook, std::move(hook));
}

void NotifyDialogClosed(const ModalDialog& dialog, bool accepted) {
    const DialogClosedHook hook = Shared().closedHook;
    if (hook) {
        hook(dialog, accepted);
    }
}

void PushModalLayer(const void* layer) {
    Shared().modalLayers.push_back(layer);
}

void PopModalLayer(const void* layer) {
    auto& layers = Shared().modalLayers;
    layers.erase(std::remove(layers.begin(), layers.end(), layer), layers.end());
}

const void* GetTopModalLayer() {
    const auto& layers = Shared().modalLayers;
    return layers.empty() ? nullptr : layers.back();
}

void KeepException(std::exception_ptr exception) {
    if (!Shared().keptException) {
        Shared().keptException = std::move(exception);
    }
}

void RethrowKeptException() {
    if (auto exception = std::exchange(Shared().keptException, nullptr)) {
        std::rethrow_exception(exception);
    }
}

} // namespace host
