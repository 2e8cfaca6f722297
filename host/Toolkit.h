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

// Handles every event already waiting in the toolkit's loop, without waiting for more.
void ProcessPendingEvents();

// Runs the toolkit's loop until every redraw asked for has been drawn, but no longer than
// `timeoutMs`. Answers whether nothing is left to draw.
bool FlushRedraws(int timeoutMs = 2000);

} // namespace host
