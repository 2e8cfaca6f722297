#pragma once

#include <functional>

namespace host {

class ModalDialog;

// Starts the dialog toolkit on the default display; false when there is none (then no dialog can
// be built). Further calls answer the first call's result.
bool InitToolkit();

// Called for every modal dialog that opens, after its panel-opened notification and before its
// modal run waits for input. The hook may drive the dialog and close it. Answers the hook
// installed before; an empty hook removes it.
using DialogOpenedHook = std::function<void(ModalDialog&)>;
DialogOpenedHook SetDialogOpenedHook(DialogOpenedHook hook);

// Called for every modal dialog that closes, once its window is hidden and before its modal run
// returns, with whether it was accepted. The dialog may be on its way to destruction: the hook
// uses it only to know it. Answers the hook installed before; an empty hook removes it.
using DialogClosedHook = std::function<void(const ModalDialog&, bool accepted)>;
DialogClosedHook SetDialogClosedHook(DialogClosedHook hook);

// Whether the toolkit animates the changes of its controls; it does as the desktop says until told
// otherwise. Scripted runs turn animations off, so that a screenshot taken right after an action
// shows where the action ends and not a step on its way.
void EnableAnimations(bool enabled);

// Handles every event already waiting in the toolkit's loop, without waiting for more.
void ProcessPendingEvents();

// Runs the toolkit's loop until every redraw asked for has been drawn, but no longer than
// `timeoutMs`. Answers whether nothing is left to draw.
bool FlushRedraws(int timeoutMs = 2000);

} // namespace host
