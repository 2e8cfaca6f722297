#include "host/std/DialogWindow.h"

#include <algorithm>

#include "host/CodePage.h"
#include "host/DialogTemplate.h"
#include "host/std/ItemEvents.h"
#include "host/std/TemplateItems.h"
#include "host/std/ToolkitState.h"

namespace host {
namespace {

constexpr int idleIntervalMs = 50;

std::vector<DialogWindow*>& AllDialogs() {
    static std::vector<DialogWindow*> dialogs;
    return dialogs;
}

template <typename T> void AddOnce(std::vector<T>& list, const T& value) {
    if (std::find(list.begin(), list.end(), value) == list.end()) {
        list.push_back(value);
    }
}

template <typename T> void RemoveAll(std::vector<T>& list, const T& value) {
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

} // namespace

std::unique_ptr<DialogWindow> DialogWindow::Create(ModalDialog& owner, const DialogTemplate& dialogTemplate) {
    if (!IsToolkitRunning() || !IsWellFormed(dialogTemplate)) {
        return nullptr;
    }
    return std::unique_ptr<DialogWindow>(new DialogWindow(owner, dialogTemplate));
}

DialogWindow::DialogWindow(ModalDialog& owner, const DialogTemplate& dialogTemplate)
    : owner(owner), title(ToUtf8(dialogTemplate.title, CodePage::CentralEuropean)),
      width(dialogTemplate.width), height(dialogTemplate.height) {
    native = CreateNativeDialogWindow(*this);
    for (const DialogTemplateItem& item : dialogTemplate.items) {
        AddRecord(item.id, std::int16_t(item.kind), ItemRect(item), &item);
    }
    AllDialogs().push_back(this);
}

DialogWindow::~DialogWindow() {
    EndModal(DialogResponse::Cancel);
    RemoveAll(AllDialogs(), this);
    for (const auto& record : records) {
        for (Item* item : record->boundItems) {
            item->record = nullptr;
        }
        native->ReleaseControl(*record);
    }
    native.reset();
}

ItemRecord& DialogWindow::AddRecord(std::int16_t id, std::int16_t kind, const Rect& rect,
                                    const DialogTemplateItem* item) {
    auto record = std::make_unique<ItemRecord>();
    record->window = this;
    record->id = id;
    record->kind = kind;
    record->rect = rect;
    native->CreateControl(*record, item);
    records.push_back(std::move(record));
    return *records.back();
}

ItemRecord* DialogWindow::Find(std::int16_t id) const {
    for (const auto& record : records) {
        if (record->id == id) {
            return record.get();
        }
    }
    return nullptr;
}

ItemRecord* DialogWindow::Bind(Item& item, std::int16_t id, std::uint32_t kindMask) {
    ItemRecord* record = Find(id);
    if (!record || record->kind < 0 || record->kind >= 32 || (kindMask & (1u << record->kind)) == 0) {
        return nullptr;
    }
    record->boundItems.push_back(&item);
    return record;
}

void DialogWindow::Unbind(Item& item) {
    for (const auto& record : records) {
        RemoveAll(record->boundItems, &item);
        std::erase_if(record->attachments, [&item](const ItemAttachment& a) { return a.source == &item; });
    }
}

std::int16_t DialogWindow::AppendUserItem(const Rect& rect) {
    std::int16_t highest = 0;
    for (const auto& record : records) {
        highest = std::max(highest, record->id);
    }
    if (highest == INT16_MAX) {
        return 0;
    }
    const auto id = std::int16_t(highest + 1);
    ItemRecord& record = AddRecord(id, UserItemKind, rect, nullptr);
    ExpectUpdate(record);
    return id;
}

void DialogWindow::Attach(PanelObserver& observer) {
    AddOnce(panelObservers, &observer);
}

void DialogWindow::Detach(PanelObserver& observer) {
    RemoveAll(panelObservers, &observer);
}

void DialogWindow::EnableIdleEvents(bool whileCovered) {
    idleEnabled = true;
    idleWhileCovered = whileCovered;
    StartIdleTimer();
}

void DialogWindow::DisableIdleEvents() {
    idleEnabled = false;
    if (idleRunning) {
        native->StopTimer();
        idleRunning = false;
    }
}

void DialogWindow::StartIdleTimer() {
    if (!open || !idleEnabled || idleRunning) {
        return;
    }
    idleRunning = true;
    native->StartTimer(idleIntervalMs, [this] { CallFromLoop([this] { NotifyIdle(); }); });
}

void DialogWindow::NotifyIdle() {
    if (!open || !idleEnabled || (IsCovered() && !idleWhileCovered)) {
        return;
    }
    const std::vector<PanelObserver*> snapshot = panelObservers;
    for (PanelObserver* observer : snapshot) {
        if (std::find(panelObservers.begin(), panelObservers.end(), observer) != panelObservers.end()) {
            observer->PanelIdle({&owner});
        }
    }
}

bool DialogWindow::IsCovered() const {
    return GetTopModalLayer() != this;
}

std::optional<MousePosition> DialogWindow::GetMousePosition() const {
    if (!open) {
        return std::nullopt;
    }
    const std::optional<Point> pointer = drivenPointer ? drivenPointer : native->GetPointer();
    if (!pointer) {
        return std::nullopt;
    }
    const Point client = *pointer;
    MousePosition position{0, client};
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        const ItemRecord& record = **it;
        if (controls::IsShown(record) && record.rect.Contains(client)) {
            position.itemId = record.id;
            position.offset = Point{std::int16_t(client.x - record.rect.GetLeft()),
                                    std::int16_t(client.y - record.rect.GetTop())};
            break;
        }
    }
    return position;
}

bool DialogWindow::BeginModal() {
    if (open) {
        return false;
    }
    open = true;
    accepted = false;
    drivenPointer.reset();
    native->Show();
    PushModalLayer(this);
    for (const auto& record : records) {
        ExpectUpdate(*record);
    }
    StartIdleTimer();
    const std::vector<PanelObserver*> snapshot = panelObservers;
    for (PanelObserver* observer : snapshot) {
        if (open &&
            std::find(panelObservers.begin(), panelObservers.end(), observer) != panelObservers.end()) {
            observer->PanelOpened({&owner});
        }
    }
    if (open) {
        NotifyDialogOpened(owner);
    }
    return true;
}

void DialogWindow::EndModal(DialogResponse response) {
    if (!open) {
        return;
    }
    open = false;
    accepted = response == DialogResponse::Accept;
    if (idleRunning) {
        native->StopTimer();
        idleRunning = false;
    }
    native->CancelPost();
    PopModalLayer(this);
    drivenPointer.reset();
    native->Hide();
    NotifyDialogClosed(owner, accepted);
}

void DialogWindow::PostCloseRequest(DialogResponse response) {
    if (open) {
        native->Post([this, response] { EndModal(response); });
    }
}

bool DialogWindow::HasPendingRedraws() const {
    return std::any_of(records.begin(), records.end(), [](const auto& record) {
        return record->redrawPending && controls::IsDrawable(*record);
    });
}

const std::vector<DialogWindow*>& DialogWindow::GetAll() {
    return AllDialogs();
}

} // namespace host
