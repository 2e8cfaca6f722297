#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "host/DialogTemplate.h"
#include "host/std/ItemRecord.h"

namespace host {

// An item's control: a child window of the dialog's window, whose user data is its record.
inline HWND Window(const ItemRecord& record) {
    return reinterpret_cast<HWND>(record.widget);
}

// The window class of user items, registered when the toolkit starts.
extern const wchar_t* const UserItemClass;
void RegisterUserItemClass();

// Makes the control of a template item (or of a user item for null) inside `parent`.
HWND CreateItemControl(HWND parent, ItemRecord& record, const DialogTemplateItem* item);
// What a control tells its dialog: a click, a change of a popup's choice.
void HandleControlCommand(HWND control, WORD notification);
// Draws a separator's etched line along its top (or left) edge.
void DrawSeparator(const DRAWITEMSTRUCT& item);

// The font of every control's text.
HFONT ControlFont();

// The time of the mouse event the dialog driver is sending, which the window system's own clock
// does not know.
extern std::optional<std::uint32_t> drivenEventTime;

} // namespace host
