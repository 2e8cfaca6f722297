#pragma once

#include "host/DialogTemplate.h"
#include "host/Rect.h"

namespace host {

// Whether every backend can build the dialog: no negative sizes, item ids positive and unique,
// every item of a known kind.
bool IsWellFormed(const DialogTemplate& dialogTemplate);

// Where an item stands in the client area. A popup's template height covers its opened list; the
// item is the closed popup.
Rect ItemRect(const DialogTemplateItem& item);

} // namespace host
