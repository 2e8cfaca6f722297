#include "host/Toolkit.h"

#include <algorithm>
#include <chrono>

#include "host/std/DialogWindow.h"
#include "host/std/NativeToolkit.h"
#include "host/std/ToolkitState.h"

namespace host {
namespace {

struct StartState {
    bool tried = false;
    bool running = false;
};

StartState& Start() {
    static StartState state;
    return state;
}

bool AnyRedrawPending() {
    const auto& dialogs = DialogWindow::GetAll();
    return std::any_of(dialogs.begin(), dialogs.end(),
                       [](const DialogWindow* dialog) { return dialog->HasPendingRedraws(); });
}

} // namespace

bool InitToolkit() {
    StartState& state = Start();
    if (!state.tried) {
        state.tried = true;
        state.running = StartNativeToolkit();
    }
    return state.running;
}

bool IsToolkitRunning() {
    return Start().running;
}

void ProcessPendingEvents() {
    if (!IsToolkitRunning()) {
        return;
    }
    while (HandleWaitingEvent()) {
    }
    RethrowKeptException();
}

bool FlushRedraws(int timeoutMs) {
    if (!IsToolkitRunning()) {
        return true;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    while (AnyRedrawPending()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return false;
        }
        WaitForEvents(int(left) + 1);
        RethrowKeptException();
    }
    return true;
}

} // namespace host
