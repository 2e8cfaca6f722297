#pragma once

#include "hostapp/HostJournal.h"

namespace host {
class ModalDialog;
}

// Records a dialog the add-on has just opened as a new run in the journal: waits until all its
// items are drawn and notes the time, and notes whether the run was accepted when the dialog
// closes. Called from the toolkit's dialog-opened hook.
void WatchDialogRun(host::ModalDialog& dialog, HostJournal& journal);
