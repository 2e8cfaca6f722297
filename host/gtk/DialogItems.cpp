#include "host/DialogItems.h"

#include "host/DialogTemplate.h"
#include "host/ModalDialog.h"
#include "host/gtk/DialogWindow.h"
#include "host/gtk/ItemWidgets.h"

namespace host {
namespace {

constexpr std::uint32_t KindBit(DialogItemKind kind) {
    return 1u << std::int16_t(kind);
}

GtkComboBox* ComboOf(const ItemRecord* record) {
    return record ? GTK_COMBO_BOX(Widget(*record)) : nullptr;
}

// The row of popup item `index` (1-based).
bool PopUpRow(const ItemRecord* record, std::int16_t index, GtkTreeIter& row) {
    return record && index >= 1 &&
           gtk_tree_model_iter_nth_child(gtk_combo_box_get_model(ComboOf(record)), &row, nullptr, index - 1);
}

} // namespace

Item::Item(ModalDialog& dialog, std::int16_t id, std::uint32_t kindMask)
    : record(dialog.window ? dialog.window->Bind(*this, id, kindMask) : nullptr), id(id) {}

Item::~Item() {
    if (record) {
        record->window->Unbind(*this);
    }
}

Rect Item::GetRect() const {
    return record ? record->rect : Rect();
}

void Item::Show() {
    if (record && !gtk_widget_get_visible(Widget(*record))) {
        gtk_widget_show(Widget(*record));
        ExpectUpdate(*record);
    }
}

void Item::Hide() {
    if (record) {
        gtk_widget_hide(Widget(*record));
    }
}

bool Item::IsVisible() const {
    return record && gtk_widget_get_visible(Widget(*record));
}

void Item::Enable() {
    if (record) {
        gtk_widget_set_sensitive(Widget(*record), TRUE);
    }
}

void Item::Disable() {
    if (record) {
        gtk_widget_set_sensitive(Widget(*record), FALSE);
    }
}

bool Item::IsEnabled() const {
    return record && gtk_widget_get_sensitive(Widget(*record));
}

PushButton::PushButton(ModalDialog& dialog, std::int16_t id)
    : Item(dialog, id, KindBit(DialogItemKind::PushButton)) {}

void PushButton::SetText(std::string_view utf8) {
    if (GetRecord()) {
        SetItemText(*GetRecord(), utf8);
    }
}

std::string PushButton::GetText() const {
    return GetRecord() ? GetItemText(*GetRecord()) : std::string();
}

void PushButton::Attach(ButtonObserver& observer) {
    if (GetRecord()) {
        GetRecord()->Attach(this, &observer);
    }
}

void PushButton::Detach(ButtonObserver& observer) {
    if (GetRecord()) {
        GetRecord()->Detach(this, &observer);
    }
}

IconPushButton::IconPushButton(ModalDialog& dialog, std::int16_t id)
    : Item(dialog, id, KindBit(DialogItemKind::IconPushButton)) {}

void IconPushButton::Attach(ButtonObserver& observer) {
    if (GetRecord()) {
        GetRecord()->Attach(this, &observer);
    }
}

void IconPushButton::Detach(ButtonObserver& observer) {
    if (GetRecord()) {
        GetRecord()->Detach(this, &observer);
    }
}

PushCheck::PushCheck(ModalDialog& dialog, std::int16_t id)
    : Item(dialog, id, KindBit(DialogItemKind::PushCheck)) {}

void PushCheck::SetText(std::string_view utf8) {
    if (GetRecord()) {
        SetItemText(*GetRecord(), utf8);
    }
}

std::string PushCheck::GetText() const {
    return GetRecord() ? GetItemText(*GetRecord()) : std::string();
}

void PushCheck::SetOn() {
    if (GetRecord()) {
        ProgramChange change(*GetRecord());
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(GetRecord()->widget), TRUE);
    }
}

void PushCheck::SetOff() {
    if (GetRecord()) {
        ProgramChange change(*GetRecord());
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(GetRecord()->widget), FALSE);
    }
}

bool PushCheck::IsOn() const {
    return GetRecord() && gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(GetRecord()->widget));
}

void PushCheck::Attach(CheckItemObserver& observer) {
    if (GetRecord()) {
        GetRecord()->Attach(this, &observer);
    }
}

void PushCheck::Detach(CheckItemObserver& observer) {
    if (GetRecord()) {
        GetRecord()->Detach(this, &observer);
    }
}

PopUp::PopUp(ModalDialog& dialog, std::int16_t id) : Item(dialog, id, KindBit(DialogItemKind::PopUp)) {}

void PopUp::AppendItem() {
    if (GetRecord() && GetItemCount() < INT16_MAX) {
        ProgramChange change(*GetRecord());
        gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(GetRecord()->widget), "");
    }
}

void PopUp::DeleteItem(std::int16_t index) {
    if (index >= 1 && index <= GetItemCount()) {
        ProgramChange change(*GetRecord());
        gtk_combo_box_text_remove(GTK_COMBO_BOX_TEXT(GetRecord()->widget), index - 1);
    }
}

void PopUp::DeleteAllItems() {
    if (GetRecord()) {
        ProgramChange change(*GetRecord());
        gtk_combo_box_text_remove_all(GTK_COMBO_BOX_TEXT(GetRecord()->widget));
    }
}

std::int16_t PopUp::GetItemCount() const {
    return GetRecord() ? std::int16_t(gtk_tree_model_iter_n_children(
                             gtk_combo_box_get_model(ComboOf(GetRecord())), nullptr))
                       : 0;
}

void PopUp::SetItemText(std::int16_t index, std::string_view utf8) {
    GtkTreeIter row;
    if (PopUpRow(GetRecord(), index, row)) {
        ProgramChange change(*GetRecord());
        const std::string text = ValidUtf8(utf8);
        gtk_list_store_set(GTK_LIST_STORE(gtk_combo_box_get_model(ComboOf(GetRecord()))), &row, 0,
                           text.c_str(), -1);
    }
}

std::string PopUp::GetItemText(std::int16_t index) const {
    GtkTreeIter row;
    if (!PopUpRow(GetRecord(), index, row)) {
        return {};
    }
    gchar* text = nullptr;
    gtk_tree_model_get(gtk_combo_box_get_model(ComboOf(GetRecord())), &row, 0, &text, -1);
    std::string result = text ? text : "";
    g_free(text);
    return result;
}

void PopUp::SelectItem(std::int16_t index) {
    if (GetRecord() && index >= 0 && index <= GetItemCount()) {
        ProgramChange change(*GetRecord());
        gtk_combo_box_set_active(ComboOf(GetRecord()), index - 1);
    }
}

std::int16_t PopUp::GetSelectedItem() const {
    return GetRecord() ? std::int16_t(gtk_combo_box_get_active(ComboOf(GetRecord())) + 1) : 0;
}

void PopUp::Attach(PopUpObserver& observer) {
    if (GetRecord()) {
        GetRecord()->Attach(this, &observer);
    }
}

void PopUp::Detach(PopUpObserver& observer) {
    if (GetRecord()) {
        GetRecord()->Detach(this, &observer);
    }
}

LeftText::LeftText(ModalDialog& dialog, std::int16_t id)
    : Item(dialog, id, KindBit(DialogItemKind::LeftText)) {}

void LeftText::SetText(std::string_view utf8) {
    if (GetRecord()) {
        SetItemText(*GetRecord(), utf8);
    }
}

std::string LeftText::GetText() const {
    return GetRecord() ? GetItemText(*GetRecord()) : std::string();
}

Separator::Separator(ModalDialog& dialog, std::int16_t id)
    : Item(dialog, id,
           KindBit(DialogItemKind::HorizontalSeparator) | KindBit(DialogItemKind::VerticalSeparator)) {}

} // namespace host
