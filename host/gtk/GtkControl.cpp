#include "host/gtk/GtkControl.h"

#include <algorithm>
#include <cmath>

#include "host/CodePage.h"
#include "host/ResourceTypes.h"
#include "host/gtk/ResourceImage.h"
#include "host/std/ItemEvents.h"
#include "host/std/NativeToolkit.h"

namespace host {
namespace {

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
    NotifyButtonClicked(RecordOf(data));
}

void OnCheckToggled(GtkToggleButton*, gpointer data) {
    NotifyCheckChanged(RecordOf(data));
}

void OnPopUpChanged(GtkComboBox*, gpointer data) {
    NotifyPopUpChanged(RecordOf(data));
}

gboolean OnUserItemDraw(GtkWidget*, cairo_t* cr, gpointer data) {
    cairo_save(cr);
    NotifyUserItemUpdate(RecordOf(data), reinterpret_cast<NativeDrawContext*>(cr));
    cairo_restore(cr);
    return FALSE;
}

gboolean OnUserItemPress(GtkWidget*, GdkEventButton* event, gpointer data) {
    // The window system's own double-click events repeat the second press; it is judged anew.
    if (event->type == GDK_BUTTON_PRESS && event->button == GDK_BUTTON_PRIMARY) {
        NotifyMousePress(RecordOf(data), Point{ToCoordinate(event->x), ToCoordinate(event->y)}, event->time);
    }
    return TRUE;
}

gboolean OnUserItemMotion(GtkWidget*, GdkEventMotion* event, gpointer data) {
    ItemRecord& record = RecordOf(data);
    if (!record.mouseMoves) {
        return FALSE;
    }
    NotifyMouseMove(record, Point{ToCoordinate(event->x), ToCoordinate(event->y)},
                    (event->state & GDK_BUTTON1_MASK) != 0);
    return TRUE;
}

void OnUserItemUnmap(GtkWidget*, gpointer data) {
    ForgetUpdate(RecordOf(data));
}

GtkWidget* NewTemplateItemWidget(const DialogTemplateItem& item) {
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

GtkWidget* NewUserItemWidget() {
    GtkWidget* area = gtk_drawing_area_new();
    gtk_widget_add_events(area, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK);
    return area;
}

void Connect(ItemRecord& record) {
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

bool HasCaption(const ItemRecord& record) {
    return record.kind == std::int16_t(DialogItemKind::PushButton) ||
           record.kind == std::int16_t(DialogItemKind::PushCheck);
}

GtkComboBox* Combo(const ItemRecord& record) {
    return GTK_COMBO_BOX(Widget(record));
}

bool PopUpRow(const ItemRecord& record, int index, GtkTreeIter& row) {
    return gtk_tree_model_iter_nth_child(gtk_combo_box_get_model(Combo(record)), &row, nullptr, index);
}

// Hands a made-up mouse event to the toolkit as the window system would.
void Dispatch(GtkWidget* widget, GdkEventType type, Point point, guint state, std::uint32_t time) {
    GdkWindow* window = gtk_widget_get_window(widget);
    GdkEvent* event = gdk_event_new(type);
    int rootX = 0;
    int rootY = 0;
    gdk_window_get_root_coords(window, point.x, point.y, &rootX, &rootY);
    // Motion and button events share these fields under the same names.
    const auto fill = [&](auto& pointer) {
        pointer.window = GDK_WINDOW(g_object_ref(window));
        pointer.send_event = TRUE;
        pointer.time = time;
        pointer.x = point.x;
        pointer.y = point.y;
        pointer.x_root = rootX;
        pointer.y_root = rootY;
        pointer.state = state;
    };
    if (type == GDK_MOTION_NOTIFY) {
        fill(event->motion);
    } else {
        fill(event->button);
        event->button.button = GDK_BUTTON_PRIMARY;
    }
    GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_window_get_display(window)));
    gdk_event_set_device(event, pointer);
    gdk_event_set_source_device(event, pointer);
    gtk_main_do_event(event);
    gdk_event_free(event);
}

} // namespace

GtkWidget* CreateItemWidget(ItemRecord& record, const DialogTemplateItem* item) {
    GtkWidget* widget = item != nullptr ? NewTemplateItemWidget(*item) : NewUserItemWidget();
    record.widget = reinterpret_cast<NativeWidget*>(widget);
    Connect(record);
    return widget;
}

void DisconnectItemWidget(ItemRecord& record) {
    g_signal_handlers_disconnect_matched(Widget(record), G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, &record);
}

namespace controls {

bool IsShown(const ItemRecord& record) {
    return gtk_widget_get_visible(Widget(record));
}

bool IsDrawable(const ItemRecord& record) {
    return gtk_widget_is_drawable(Widget(record));
}

void SetShown(ItemRecord& record, bool shown) {
    if (shown) {
        gtk_widget_show(Widget(record));
    } else {
        gtk_widget_hide(Widget(record));
    }
}

bool IsEnabled(const ItemRecord& record) {
    return gtk_widget_get_sensitive(Widget(record));
}

void SetEnabled(ItemRecord& record, bool enabled) {
    gtk_widget_set_sensitive(Widget(record), enabled);
}

void SetText(ItemRecord& record, const std::string& utf8) {
    if (GTK_IS_LABEL(Widget(record))) {
        gtk_label_set_text(GTK_LABEL(Widget(record)), utf8.c_str());
    } else if (HasCaption(record)) {
        SetCaption(Widget(record), utf8);
    }
}

std::string GetText(const ItemRecord& record) {
    const char* text = nullptr;
    if (GTK_IS_LABEL(Widget(record))) {
        text = gtk_label_get_text(GTK_LABEL(Widget(record)));
    } else if (HasCaption(record)) {
        text = gtk_button_get_label(GTK_BUTTON(Widget(record)));
    }
    return text ? text : "";
}

void SetOn(ItemRecord& record, bool on) {
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(Widget(record)), on);
}

bool IsOn(const ItemRecord& record) {
    return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(Widget(record)));
}

int GetItemCount(const ItemRecord& record) {
    return gtk_tree_model_iter_n_children(gtk_combo_box_get_model(Combo(record)), nullptr);
}

void AppendItem(ItemRecord& record) {
    gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(Widget(record)), "");
}

void DeleteItem(ItemRecord& record, int index) {
    gtk_combo_box_text_remove(GTK_COMBO_BOX_TEXT(Widget(record)), index);
}

void DeleteAllItems(ItemRecord& record) {
    gtk_combo_box_text_remove_all(GTK_COMBO_BOX_TEXT(Widget(record)));
}

void SetItemText(ItemRecord& record, int index, const std::string& utf8) {
    GtkTreeIter row;
    if (PopUpRow(record, index, row)) {
        gtk_list_store_set(GTK_LIST_STORE(gtk_combo_box_get_model(Combo(record))), &row, 0, utf8.c_str(), -1);
    }
}

std::string GetItemText(const ItemRecord& record, int index) {
    GtkTreeIter row;
    if (!PopUpRow(record, index, row)) {
        return {};
    }
    gchar* text = nullptr;
    gtk_tree_model_get(gtk_combo_box_get_model(Combo(record)), &row, 0, &text, -1);
    std::string result = text ? text : "";
    g_free(text);
    return result;
}

void SelectItem(ItemRecord& record, int index) {
    gtk_combo_box_set_active(Combo(record), index);
}

int GetSelectedItem(const ItemRecord& record) {
    return gtk_combo_box_get_active(Combo(record));
}

void QueueRedraw(ItemRecord& record) {
    gtk_widget_queue_draw(Widget(record));
}

void ClickAsUser(ItemRecord& record) {
    gtk_button_clicked(GTK_BUTTON(Widget(record)));
}

void ChooseAsUser(ItemRecord& record, int index) {
    gtk_combo_box_set_active(Combo(record), index);
}

void SendMouseAsUser(ItemRecord& record, MouseAction action, Point point, bool leftButtonPressed,
                     std::uint32_t time) {
    const GdkEventType type = action == MouseAction::Press     ? GDK_BUTTON_PRESS
                              : action == MouseAction::Release ? GDK_BUTTON_RELEASE
                                                               : GDK_MOTION_NOTIFY;
    Dispatch(Widget(record), type, point, leftButtonPressed ? GDK_BUTTON1_MASK : 0, time);
}

} // namespace controls

} // namespace host
