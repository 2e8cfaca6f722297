#include "host/std/NativeToolkit.h"

#include "host/Toolkit.h"

#include <windows.h>

#include <commctrl.h>

#include "host/user32/Win32Control.h"

namespace host {

void RegisterDialogClass();

bool StartNativeToolkit() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterDialogClass();
    RegisterUserItemClass();
    return true;
}

// The dialogs' controls animate nothing a script waits for: a drop-down list animates only while
// open, and driven popups are chosen without opening. The desktop's setting is left alone.
void EnableAnimations(bool) {}

bool HandleWaitingEvent() {
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

void WaitForEvents(int timeoutMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs < 0 ? INFINITE : DWORD(timeoutMs), QS_ALLINPUT);
    while (HandleWaitingEvent()) {
    }
}

std::uint32_t EventClock() {
    return std::uint32_t(GetTickCount());
}

DoubleClickRule GetDoubleClickRule() {
    return DoubleClickRule{std::uint32_t(GetDoubleClickTime()), GetSystemMetrics(SM_CXDOUBLECLK) / 2};
}

} // namespace host
