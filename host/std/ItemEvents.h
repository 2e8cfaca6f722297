#pragma once

#include <cstdint>

#include "host/NativeDrawContext.h"
#include "host/Point.h"

// What a person did to an item, as the toolkit backends report it: each becomes the notification
// of the item's observers, unless the program itself made the change, with exceptions kept out of
// the window system's code (ToolkitState.h).
namespace host {

struct ItemRecord;

void NotifyButtonClicked(ItemRecord& record);
void NotifyCheckChanged(ItemRecord& record);
void NotifyPopUpChanged(ItemRecord& record);

// A user item's frame: its update, drawn through `context` in the item's own coordinates.
void NotifyUserItemUpdate(ItemRecord& record, NativeDrawContext* context);
// The left button went down at `point` at `time`: a click, or the second press of a double click.
void NotifyMousePress(ItemRecord& record, Point point, std::uint32_t time);
// The mouse moved over the item (or, dragging, beyond it); sent once mouse moves are enabled.
void NotifyMouseMove(ItemRecord& record, Point point, bool leftButtonPressed);

// Whether an update notification is being delivered.
bool IsInsideUpdate();
// Marks a user item that can be seen as waiting for its update; a hidden one waits for nothing.
void ExpectUpdate(ItemRecord& record);
void ForgetUpdate(ItemRecord& record);

} // namespace host
