#pragma once

#include <string>

namespace host {
class DialogDriver;
}

// What the open colour chooser shows, as a JSON document: the popups with their items and
// selection, the two texts, the push-checks, which views are shown, and the colours of the chips
// (each chip by its colour's full name; null for an empty chip).
std::string DescribeDialogState(const host::DialogDriver& driver);
