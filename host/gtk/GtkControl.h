#pragma once

#include <gtk/gtk.h>

#include "host/DialogTemplate.h"
#include "host/std/ItemRecord.h"

namespace host {

// An item's control: a GTK widget owned by the dialog's client area.
inline GtkWidget* Widget(const ItemRecord& record) {
    return reinterpret_cast<GtkWidget*>(record.widget);
}

// The widget that shows a template item (texts converted from the template's code page), or a
// user item for null; connected to the record's notifications.
GtkWidget* CreateItemWidget(ItemRecord& record, const DialogTemplateItem* item);
void DisconnectItemWidget(ItemRecord& record);

} // namespace host
