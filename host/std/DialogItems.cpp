#include "host/DialogItems.h"

#include <climits>

#include "host/DialogTemplate.h"
#include "host/ModalDialog.h"
#include "host/std/DialogWindow.h"
#include "host/std/ItemEvents.h"
#include "host/std/ValidUtf8.h"

namespace host {
namespace {

constexpr std::uint32_t KindBit(DialogItemKind kind) {
    return 1u << std::int16_t(kind);
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
    if (record && !controls::IsShown(*record)) {
        controls::SetShown(*record, true);
        ExpectUpdate(*record);
    }
}

void Item::Hide() {
    if (record) {
        controls::SetShown(*record, false);
        ForgetUpdate(*record);
    }
}

bool Item::IsVisible() const {
    return record && controls::IsShown(*record);
}

void Item::Enable() {
    if (record) {
        controls::SetEnabled(*record, true);
    }
}

void Item::Disable() {
    if (record) {
        controls::SetEnabled(*record, false);
    }
}

bool Item::IsEnabled() const {
    return record && controls::IsEnabled(*record);
}

PushButton::PushButton(ModalDialog& dialog, std::int16_t id)
    : Item(dialog, id, KindBit(DialogItemKind::PushButton)) {}

void PushButton::SetText(std::string_view utf8) {
    if (GetRecord()) {
        controls::SetText(*GetRecord(), ValidUtf8(utf8));
    }
}

std::string PushButton::GetText() const {
    return GetRecord() ? controls::GetText(*GetRecord()) : std::string();
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
        controls::SetText(*GetRecord(), ValidUtf8(utf8));
    }
}

std::string PushCheck::GetText() const {
    return GetRecord() ? controls::GetText(*GetRecord()) : std::string();
}

void PushCheck::SetOn() {
    if (GetRecord()) {
        ProgramChange change(*GetRecord());
        controls::SetOn(*GetRecord(), true);
    }
}

void PushCheck::SetOff() {
    if (GetRecord()) {
        ProgramChange change(*GetRecord());
        controls::SetOn(*GetRecord(), false);
    }
}

bool PushCheck::IsOn() const {
    return GetRecord() && controls::IsOn(*GetRecord());
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
        controls::AppendItem(*GetRecord());
    }
}

void PopUp::DeleteItem(std::int16_t index) {
    if (index >= 1 && index <= GetItemCount()) {
        ProgramChange change(*GetRecord());
        controls::DeleteItem(*GetRecord(), index - 1);
    }
}

void PopUp::DeleteAllItems() {
    if (GetRecord()) {
        ProgramChange change(*GetRecord());
        controls::DeleteAllItems(*GetRecord());
    }
}

std::int16_t PopUp::GetItemCount() const {
    return GetRecord() ? std::int16_t(controls::GetItemCount(*GetRecord())) : 0;
}

void PopUp::SetItemText(std::int16_t index, std::string_view utf8) {
    if (index >= 1 && index <= GetItemCount()) {
        ProgramChange change(*GetRecord());
        controls::SetItemText(*GetRecord(), index - 1, ValidUtf8(utf8));
    }
}

std::string PopUp::GetItemText(std::int16_t index) const {
    return index >= 1 && index <= GetItemCount() ? controls::GetItemText(*GetRecord(), index - 1) : std::string();
}

void PopUp::SelectItem(std::int16_t index) {
    if (GetRecord() && index >= 0 && index <= GetItemCount()) {
        ProgramChange change(*GetRecord());
        controls::SelectItem(*GetRecord(), index - 1);
    }
}

std::int16_t PopUp::GetSelectedItem() const {
    return GetRecord() ? std::int16_t(controls::GetSelectedItem(*GetRecord()) + 1) : 0;
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
        controls::SetText(*GetRecord(), ValidUtf8(utf8));
    }
}

std::string LeftText::GetText() const {
    return GetRecord() ? controls::GetText(*GetRecord()) : std::string();
}

Separator::Separator(ModalDialog& dialog, std::int16_t id)
    : Item(dialog, id,
           KindBit(DialogItemKind::HorizontalSeparator) | KindBit(DialogItemKind::VerticalSeparator)) {}

} // namespace host
