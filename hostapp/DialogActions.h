#pragma once

#include "hostapp/Script.h"

#include <string>

namespace host {
class DialogDriver;
}

// Carries out one dialog command of a script on the open colour chooser, as a person would.
// False, with the reason in `error`, when it cannot be done (an item not shown or disabled, a
// popup text that names no item, a chip that is not there, a file that cannot be written).
bool RunDialogCommand(host::DialogDriver& driver, const ScriptCommand& command, std::string& error);
