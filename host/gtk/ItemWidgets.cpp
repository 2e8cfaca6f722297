#include "host/gtk/ItemWidgets.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "host/CodePage.h"
#include "host/ResourceTypes.h"
#include "host/gtk/DialogWindow.h"
#include "host/gtk/ResourceImage.h"
#include "host/std/ToolkitState.h"

namespace host {
namespace {

int updateDepth = 0;

// Texts that do not fit end in an ellipsis instead of widening the item.
void Ellipsize(GtkWidget* label) {
    if (GTK_IS_LABEL(label)) {
        gtk_label_set_ellipsize(GTK_LABEL(label), PANGO_ELLIPSIZE_END);
    }
}

GtkWidget* SetCaption(GtkWidget* button, const std::string& utf8) {
    gtk_button_set_label(GTK_BUTTON(button), utf8.c_str());
    Ellipsize(gtk_bin_get_child(GTK_BIN(button)));
    return button;
}

GtkWidget* NewPopUp() {
    GtkWidget* combo = gtk_combo_box_text_new();
    GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(combo));
    for (GList* cell = cells; cell; cell = cell->next) {
        g_object_set(cell->data, "ellipsize", PANGO_ELLIPSIZE_END, nullptr);
    }
    g_list_free(cells);
    return combo;
}

GtkWidget* NewImage(std::uint32_t type, std::int32_t id) {
    GdkPixbuf* pixbuf = LoadResourcePixbuf(type, id);
    GtkWidget* image = pixbuf ? gtk_image_new_from_pixbuf(pixbuf) : gtk_image_new();
    if (pixbuf) {
        g_object_unref(pixbuf);
    }
    return image;
}

std::int16_t ToCoordinate(double value) {
    return std::int16_t(std::clamp(std::floor(value), -32768.0, 32767.0));
}

ItemRecord& RecordOf(gpointer data) {
    return *static_cast<ItemRecord*>(data);
}

void OnButtonClicked(GtkButton*, gpointer data) {
    ItemRecord& record = RecordOf(data);
    if (record.programChanges == 0) {
        CallFromLoop([&record] {
            record.NotifyObservers<ButtonObserver>(
                [](ButtonObserver& observer, Item& source) { observer.ButtonClicked({&source}); });
        });
    }
}

void OnCheckToggled(GtkToggleButton*, gpointer data) {
    ItemRecord& record = RecordOf(data);
    if (record.programChanges == 0) {
        CallFromLoop([&record] {
            record.NotifyObservers<CheckItemObserver>([](CheckItemObserver& observer, Item& source) {
                observer.CheckItemChanged({static_cast<PushCheck*>(&source)});
            });
        });
    }
}

void OnPopUpChanged(GtkComboBox*, gpointer data) {
    ItemRecord& record = RecordOf(data);
    if (record.programChanges == 0) {
        CallFromLoop([&record] {
            record.NotifyObservers<PopUpObserver>([](PopUpObserver& observer, Item& source) {
                observer.PopUpChanged({static_cast<PopUp*>(&source)});
            });
        });
    }
}

gboolean OnUserItemDraw(GtkWidget*, cairo_t* cr, gpointer data) {
    ItemRecord& record = RecordOf(data);
    record.redrawPending = false;
    ++updateDepth;
    CallFromLoop([&record, cr] {
        record.NotifyObservers<UserItemObserver>([cr](UserItemObserver& observer, Item& source) {
            cairo_save(cr);
            observer.UserItemUpdate(
                {static_cast<UserItem*>(&source), reinterpret_cast<NativeDrawContext*>(cr)});
            cairo_restore(cr);
        });
    });
    --updateDepth;
    return FALSE;
}

// A second press of the left button soon after the first and near it is a double click; the
// press after a double click starts anew.
bool IsSecondClick(ItemRecord& record, std::uint32_t time, Point point) {
    GtkSettings* settings = gtk_widget_get_settings(Widget(record));
    int doubleClickTime = 400;
    int doubleClickDistance = 5;
    g_object_get(settings, "gtk-double-click-time", &doubleClickTime, "gtk-double-click-distance",
                 &doubleClickDistance, nullptr);
    const bool second = record.lastClickTime &&
                        time - *record.lastClickTime <= std::uint32_t(doubleClickTime) &&
                        std::abs(point.x - record.lastClickPoint.x) <= doubleClickDistance &&
                        std::abs(point.y - record.lastClickPoint.y) <= doubleClickDistance;
    if (second) {
        record.lastClickTime.reset();
    } else {
        record.lastClickTime = time;
        record.lastClickPoint = point;
    }
    return second;
}

using MouseNotification = void (UserItemObserver::*)(const UserItemMouseEvent&);

void NotifyMouse(ItemRecord& record, MouseNotification notification, Point offset, bool leftButtonPressed) {
    CallFromLoop([&] {
        record.NotifyObservers<UserItemObserver>([&](UserItemObserver& observer, Item& source) {
            (observer.*notification)({static_cast<UserItem*>(&source), offset, leftButtonPressed});
        });
    });
}

gboolean OnUserItemPress(GtkWidget*, GdkEventButton* event, gpointer data) {
    ItemRecord& record = RecordOf(data);
    // The window system's own double-click events repeat the second press; it is judged here.
    if (event->type != GDK_BUTTON_PRESS || event->button != GDK_BUTTON_PRIMARY) {
        return TRUE;
    }
    const Point offset{ToCoordinate(event->x), ToCoordinate(event->y)};
    NotifyMouse(record,
                IsSecondClick(record, event->time, offset) ? &UserItemObserver::UserItemDoubleClicked
                                                           : &UserItemObserver::UserItemClicked,
                offset, true);
    return TRUE;
}

gboolean OnUserItemMotion(GtkWidget*, GdkEventMotion* event, gpointer data) {
    ItemRecord& record = RecordOf(data);
    if (!record.mouseMoves) {
        return FALSE;
    }
    NotifyMouse(record, &UserItemObserver::UserItemMouseMoved,
                Point{ToCoordinate(event->x), ToCoordinate(event->y)},
                (event->state & GDK_BUTTON1_MASK) != 0);
    return TRUE;
}

void OnUserItemUnmap(GtkWidget*, gpointer data) {
    RecordOf(data).redrawPending = false;
}

} // namespace

GtkWidget* CreateTemplateItemWidget(const DialogTemplateItem& item) {
    const std::string text = ToUtf8(item.text, CodePage::CentralEuropean);
    switch (item.kind) {
    case DialogItemKind::PushButton:
        return SetCaption(gtk_button_new(), text);
    case DialogItemKind::IconPushButton: {
        GtkWidget* button = gtk_button_new();
        gtk_container_add(GTK_CONTAINER(button), NewImage(IconGroupResource, item.resourceId));
        gtk_widget_show_all(gtk_bin_get_child(GTK_BIN(button)));
        return button;
    }
    case DialogItemKind::PopUp:
        return NewPopUp();
    case DialogItemKind::PushCheck:
        return SetCaption(gtk_toggle_button_new(), text);
    case DialogItemKind::LeftText: {
        GtkWidget* label = gtk_label_new(text.c_str());
        gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
        gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
        Ellipsize(label);
        return label;
    }
    case DialogItemKind::HorizontalSeparator:
        return gtk_separator_new(GTK_ORIENTATION_HORIZONTAL);
    case DialogItemKind::VerticalSeparator:
        return gtk_separator_new(GTK_ORIENTATION_VERTICAL);
    case DialogItemKind::Picture:
        return NewImage(BitmapResource, item.resourceId);
    }
    return nullptr;
}

GtkWidget* CreateUserItemWidget() {
    GtkWidget* area = gtk_drawing_area_new();
    gtk_widget_add_events(area, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK);
    return area;
}

void ConnectItemSignals(ItemRecord& record) {
    GtkWidget* widget = Widget(record);
    switch (record.kind) {
    case std::int16_t(DialogItemKind::PushButton):
    case std::int16_t(DialogItemKind::IconPushButton):
        g_signal_connect(widget, "clicked", G_CALLBACK(OnButtonClicked), &record);
        break;
    case std::int16_t(DialogItemKind::PushCheck):
        g_signal_connect(widget, "toggled", G_CALLBACK(OnCheckToggled), &record);
        break;
    case std::int16_t(DialogItemKind::PopUp):
        g_signal_connect(widget, "changed", G_CALLBACK(OnPopUpChanged), &record);
        break;
    case UserItemKind:
        g_signal_connect(widget, "draw", G_CALLBACK(OnUserItemDraw), &record);
        g_signal_connect(widget, "button-press-event", G_CALLBACK(OnUserItemPress), &record);
        g_signal_connect(widget, "motion-notify-event", G_CALLBACK(OnUserItemMotion), &record);
        g_signal_connect(widget, "unmap", G_CALLBACK(OnUserItemUnmap), &record);
        break;
    default:
        break;
    }
}

void DisconnectItemSignals(ItemRecord& record) {
    g_signal_handlers_disconnect_matched(Widget(record), G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, &record);
}

void SetItemText(ItemRecord& record, std::string_view utf8) {
    const std::string text = ValidUtf8(utf8);
    if (GTK_IS_LABEL(Widget(record))) {
        gtk_label_set_text(GTK_LABEL(Widget(record)), text.c_str());
    } else if (record.kind == std::int16_t(DialogItemKind::PushButton) ||
               record.kind == std::int16_t(DialogItemKind::PushCheck)) {
        SetCaption(Widget(record), text);
    }
}

std::string GetItemText(const ItemRecord& record) {
    const char* text = nullptr;
    if (GTK_IS_LABEL(Widget(record))) {
        text = gtk_label_get_text(GTK_LABEL(Widget(record)));
    } else if (record.kind == std::int16_t(DialogItemKind::PushButton) ||
               record.kind == std::int16_t(DialogItemKind::PushCheck)) {
        text = gtk_button_get_label(GTK_BUTTON(Widget(record)));
    }
    return text ? text : "";
}

bool IsInsideUpdate() {
    return updateDepth > 0;
}

void ExpectUpdate(ItemRecord& record) {
    if (record.kind == UserItemKind && gtk_widget_is_drawable(Widget(record))) {
        record.redrawPending = true;
    }
}

} // namespace host
