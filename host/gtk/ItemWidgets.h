#pragma once

#include <gtk/gtk.h>

#include <string>
#include <string_view>

#include "host/DialogTemplate.h"
#include "host/std/ValidUtf8.h"

namespace host {

struct ItemRecord;

// The widget that shows a template item (texts converted from the template's code page); null for
// no widget.
GtkWidget* CreateTemplateItemWidget(const DialogTemplateItem& item);
GtkWidget* CreateUserItemWidget();

// Connects the widget's signals to the notifications of the record's observers.
void ConnectItemSignals(ItemRecord& record);
void DisconnectItemSignals(ItemRecord& record);

// The caption of a button, push-check or static text; other kinds have none.
void SetItemText(ItemRecord& record, std::string_view utf8);
std::string GetItemText(const ItemRecord& record);

// Whether an update notification is being delivered.
bool IsInsideUpdate();

// Marks a shown user item of an open dialog as waiting for its update.
void ExpectUpdate(ItemRecord& record);

} // namespace host
