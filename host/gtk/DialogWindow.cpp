#include "host/gtk/DialogWindow.h"

#include "host/CodePage.h"
#include "host/DialogTemplate.h"
#include "host/gtk/ClientArea.h"
#include "host/gtk/ItemWidgets.h"
#include "host/std/TemplateItems.h"
#include "host/std/ToolkitState.h"

namespace host {
namespace {

constexpr guint idleIntervalMs = 50;

std::vector<DialogWindow*>& AllDialogs() {
    static std::vector<DialogWindow*> dialogs;
    return dialogs;
}

gboolean OnDeleteEvent(GtkWidget*, GdkEvent*, gpointer data) {
    static_cast<DialogWindow*>(data)->EndModal(DialogResponse::Cancel);
    return TRUE;
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
    toplevel = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    g_object_ref_sink(toplevel);
    gtk_window_set_title(GTK_WINDOW(toplevel), title.c_str());
    gtk_window_set_resizable(GTK_WINDOW(toplevel), FALSE);
    gtk_window_set_modal(GTK_WINDOW(toplevel), TRUE);
    gtk_window_set_type_hint(GTK_WINDOW(toplevel), GDK_WINDOW_TYPE_HINT_DIALOG);
    gtk_window_set_position(GTK_WINDOW(toplevel), GTK_WIN_POS_CENTER);
    gtk_style_context_add_class(gtk_widget_get_style_context(toplevel), "tn-dialog");
    g_signal_connect(toplevel, "delete-event", G_CALLBACK(OnDeleteEvent), this);

    clientArea = NewClientArea(width, height);
    gtk_container_add(GTK_CONTAINER(toplevel), clientArea);
    gtk_widget_show(clientArea);

    for (const DialogTemplateItem& item : dialogTemplate.items) {
        AddRecord(item.id, std::int16_t(item.kind), ItemRect(item), CreateTemplateItemWidget(item));
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
        DisconnectItemSignals(*record);
    }
    g_signal_handlers_disconnect_matched(toplevel, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, this);
    gtk_widget_destroy(toplevel);
    g_object_unref(toplevel);
}

ItemRecord& DialogWindow::AddRecord(std::int16_t id, std::int16_t kind, const Rect& rect, GtkWidget* widget) {
    auto record = std::make_unique<ItemRecord>();
    record->window = this;
    record->id = id;
    record->kind = kind;
    record->rect = rect;
    record->widget = reinterpret_cast<NativeWidget*>(widget);
    PlaceInClientArea(clientArea, widget, rect);
    gtk_widget_show(widget);
    ConnectItemSignals(*record);
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
    ItemRecord& record = AddRecord(id, UserItemKind, rect, CreateUserItemWidget());
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
    StopIdleTimer();
}

void DialogWindow::StartIdleTimer() {
    if (!open || !idleEnabled || idleSource != 0) {
        return;
    }
    idleSource = g_timeout_add(
        idleIntervalMs,
        [](gpointer data) -> gboolean {
            auto* dialog = static_cast<DialogWindow*>(data);
            CallFromLoop([dialog] { dialog->NotifyIdle(); });
            return G_SOURCE_CONTINUE;
        },
        this);
}

void DialogWindow::StopIdleTimer() {
    if (idleSource != 0) {
        g_source_remove(idleSource);
        idleSource = 0;
    }
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
    Point client;
    if (drivenPointer) {
        client = *drivenPointer;
    } else {
        GdkWindow* window = gtk_widget_get_window(clientArea);
        GdkDevice* pointer =
            window ? gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_window_get_display(window)))
                   : nullptr;
        if (!pointer) {
            return std::nullopt;
        }
        int x = 0;
        int y = 0;
        gdk_window_get_device_position(window, pointer, &x, &y, nullptr);
        GtkAllocation allocation;
        gtk_widget_get_allocation(clientArea, &allocation);
        client = Point{std::int16_t(std::clamp(x - allocation.x, -32768, 32767)),
                       std::int16_t(std::clamp(y - allocation.y, -32768, 32767))};
    }
    MousePosition position{0, client};
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        const ItemRecord& record = **it;
        if (gtk_widget_get_visible(Widget(record)) && record.rect.Contains(client)) {
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
    gtk_widget_show(toplevel);
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
    StopIdleTimer();
    CancelPostedClose();
    PopModalLayer(this);
    drivenPointer.reset();
    gtk_widget_hide(toplevel);
}

void DialogWindow::PostCloseRequest(DialogResponse response) {
    if (!open) {
        return;
    }
    postedResponse = response;
    if (closeSource == 0) {
        closeSource = g_idle_add_full(
            G_PRIORITY_HIGH,
            [](gpointer data) -> gboolean {
                auto* dialog = static_cast<DialogWindow*>(data);
                dialog->closeSource = 0;
                dialog->EndModal(dialog->postedResponse);
                return G_SOURCE_REMOVE;
            },
            this, nullptr);
    }
}

void DialogWindow::CancelPostedClose() {
    if (closeSource != 0) {
        g_source_remove(closeSource);
        closeSource = 0;
    }
}

bool DialogWindow::HasPendingRedraws() const {
    return std::any_of(records.begin(), records.end(), [](const auto& record) {
        return record->redrawPending && gtk_widget_is_drawable(Widget(*record));
    });
}

const std::vector<DialogWindow*>& DialogWindow::GetAll() {
    return AllDialogs();
}

} // namespace host
