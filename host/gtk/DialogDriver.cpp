#include "host/DialogDriver.h"

#include <cmath>

#include "host/DialogTemplate.h"
#include "host/Image.h"
#include "host/ModalDialog.h"
#include "host/Toolkit.h"
#include "host/gtk/DialogWindow.h"
#include "host/gtk/ItemWidgets.h"
#include "host/std/ToolkitState.h"

namespace host {
namespace {

constexpr std::uint32_t KindBit(std::int16_t kind) {
    return 1u << kind;
}
constexpr std::uint32_t KindBit(DialogItemKind kind) {
    return KindBit(std::int16_t(kind));
}
constexpr std::uint32_t ClickableKinds = KindBit(DialogItemKind::PushButton) |
                                         KindBit(DialogItemKind::IconPushButton) |
                                         KindBit(DialogItemKind::PushCheck);
constexpr std::uint32_t AnyKind = ~0u;

// Times of the driver's mouse events, in milliseconds. Separate actions lie further apart than any
// double-click time, so that only a double click is taken for one.
std::uint32_t EventTime(bool startsAction) {
    static std::uint32_t clock = std::uint32_t(g_get_monotonic_time() / 1000);
    clock += startsAction ? 10000 : 1;
    return clock;
}

Point Centre(const Rect& rect) {
    return Point{std::int16_t(rect.GetLeft() + rect.GetWidth() / 2),
                 std::int16_t(rect.GetTop() + rect.GetHeight() / 2)};
}

Point ToClient(const ItemRecord& record, Point local) {
    return Point{std::int16_t(record.rect.GetLeft() + local.x), std::int16_t(record.rect.GetTop() + local.y)};
}

// Hands a made-up mouse event to the toolkit as the window system would.
void Dispatch(GtkWidget* widget, GdkEventType type, Point point, guint state, std::uint32_t time) {
    GdkWindow* window = gtk_widget_get_window(widget);
    GdkEvent* event = gdk_event_new(type);
    int rootX = 0;
    int rootY = 0;
    gdk_window_get_root_coords(window, point.x, point.y, &rootX, &rootY);
    if (type == GDK_MOTION_NOTIFY) {
        event->motion.window = GDK_WINDOW(g_object_ref(window));
        event->motion.send_event = TRUE;
        event->motion.time = time;
        event->motion.x = point.x;
        event->motion.y = point.y;
        event->motion.x_root = rootX;
        event->motion.y_root = rootY;
        event->motion.state = state;
    } else {
        event->button.window = GDK_WINDOW(g_object_ref(window));
        event->button.send_event = TRUE;
        event->button.time = time;
        event->button.x = point.x;
        event->button.y = point.y;
        event->button.x_root = rootX;
        event->button.y_root = rootY;
        event->button.state = state;
        event->button.button = GDK_BUTTON_PRIMARY;
    }
    GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_window_get_display(window)));
    gdk_event_set_device(event, pointer);
    gdk_event_set_source_device(event, pointer);
    gtk_main_do_event(event);
    gdk_event_free(event);
}

std::vector<std::string> PopUpTexts(const ItemRecord& record) {
    std::vector<std::string> texts;
    GtkTreeModel* model = gtk_combo_box_get_model(GTK_COMBO_BOX(Widget(record)));
    GtkTreeIter row;
    for (bool more = gtk_tree_model_get_iter_first(model, &row); more;
         more = gtk_tree_model_iter_next(model, &row)) {
        gchar* text = nullptr;
        gtk_tree_model_get(model, &row, 0, &text, -1);
        texts.emplace_back(text ? text : "");
        g_free(text);
    }
    return texts;
}

ItemState StateOf(const ItemRecord& record) {
    ItemState state;
    state.id = record.id;
    state.kind = record.kind;
    state.rect = record.rect;
    state.visible = gtk_widget_get_visible(Widget(record));
    state.enabled = gtk_widget_get_sensitive(Widget(record));
    state.text = GetItemText(record);
    if (record.kind == std::int16_t(DialogItemKind::PopUp)) {
        state.popUpItems = PopUpTexts(record);
        state.selectedItem = std::int16_t(gtk_combo_box_get_active(GTK_COMBO_BOX(Widget(record))) + 1);
    }
    if (record.kind == std::int16_t(DialogItemKind::PushCheck)) {
        state.on = gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(Widget(record)));
    }
    state.accessibleName = record.accessibleName;
    state.elements = record.accessibleElements;
    state.label = record.accessibleLabel;
    state.redrawRequests = record.redrawRequests;
    return state;
}

} // namespace

const char* ItemKindName(std::int16_t kind) {
    switch (kind) {
    case std::int16_t(DialogItemKind::PushButton):
        return "PushButton";
    case std::int16_t(DialogItemKind::IconPushButton):
        return "IconPushButton";
    case std::int16_t(DialogItemKind::PopUp):
        return "PopUp";
    case std::int16_t(DialogItemKind::PushCheck):
        return "PushCheck";
    case std::int16_t(DialogItemKind::LeftText):
        return "LeftText";
    case std::int16_t(DialogItemKind::HorizontalSeparator):
        return "HorizontalSeparator";
    case std::int16_t(DialogItemKind::VerticalSeparator):
        return "VerticalSeparator";
    case std::int16_t(DialogItemKind::Picture):
        return "Picture";
    case UserItemKind:
        return "UserItem";
    default:
        return "Unknown";
    }
}

DialogWindow* DialogDriver::OpenWindow() const {
    DialogWindow* window = dialog.window.get();
    return window && window->IsOpen() ? window : nullptr;
}

ItemRecord* DialogDriver::Usable(std::int16_t id, std::uint32_t kindMask, bool mustBeEnabled) const {
    DialogWindow* window = OpenWindow();
    ItemRecord* record = window ? window->Find(id) : nullptr;
    if (!record || (kindMask & KindBit(record->kind)) == 0 || !gtk_widget_is_drawable(Widget(*record)) ||
        (mustBeEnabled && !gtk_widget_is_sensitive(Widget(*record)))) {
        return nullptr;
    }
    return record;
}

bool DialogDriver::ChoosePopUpItem(std::int16_t id, std::string_view utf8) {
    ItemRecord* record = Usable(id, KindBit(DialogItemKind::PopUp));
    if (!record) {
        return false;
    }
    const std::vector<std::string> texts = PopUpTexts(*record);
    const auto found = std::find(texts.begin(), texts.end(), utf8);
    if (found == texts.end()) {
        return false;
    }
    record->window->SetDrivenPointer(Centre(record->rect));
    gtk_combo_box_set_active(GTK_COMBO_BOX(Widget(*record)), int(found - texts.begin()));
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::Click(std::int16_t id) {
    ItemRecord* record = Usable(id, ClickableKinds);
    if (!record) {
        return false;
    }
    record->window->SetDrivenPointer(Centre(record->rect));
    gtk_button_clicked(GTK_BUTTON(Widget(*record)));
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::SendMouse(std::int16_t userItemId, int type, Point point, bool leftButtonPressed,
                             bool startsAction) {
    ItemRecord* record = Usable(userItemId, KindBit(UserItemKind));
    if (!record) {
        return false;
    }
    record->window->SetDrivenPointer(ToClient(*record, point));
    Dispatch(Widget(*record), GdkEventType(type), point, leftButtonPressed ? GDK_BUTTON1_MASK : 0,
             EventTime(startsAction));
    return true;
}

// Once the button went down the action has happened; what follows is delivered while the item can
// still take it.
bool DialogDriver::ClickAt(std::int16_t userItemId, Point point) {
    if (!SendMouse(userItemId, GDK_BUTTON_PRESS, point, false, true)) {
        return false;
    }
    SendMouse(userItemId, GDK_BUTTON_RELEASE, point, true, false);
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::DoubleClickAt(std::int16_t userItemId, Point point) {
    if (!SendMouse(userItemId, GDK_BUTTON_PRESS, point, false, true)) {
        return false;
    }
    SendMouse(userItemId, GDK_BUTTON_RELEASE, point, true, false) &&
        SendMouse(userItemId, GDK_BUTTON_PRESS, point, false, false) &&
        SendMouse(userItemId, GDK_BUTTON_RELEASE, point, true, false);
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::MoveTo(std::int16_t userItemId, Point point, bool leftButtonPressed) {
    if (!SendMouse(userItemId, GDK_MOTION_NOTIFY, point, leftButtonPressed, true)) {
        return false;
    }
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::Drag(std::int16_t userItemId, Point from, Point to, int steps) {
    if (steps < 1 || steps > MaxDragSteps || !SendMouse(userItemId, GDK_BUTTON_PRESS, from, false, true)) {
        return false;
    }
    bool delivered = true;
    for (int step = 1; step <= steps && delivered; ++step) {
        const Point point{std::int16_t(from.x + std::lround(double(to.x - from.x) * step / steps)),
                          std::int16_t(from.y + std::lround(double(to.y - from.y) * step / steps))};
        delivered = SendMouse(userItemId, GDK_MOTION_NOTIFY, point, true, false);
    }
    SendMouse(userItemId, GDK_BUTTON_RELEASE, to, true, false);
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::ClickElement(std::int16_t userItemId, std::size_t index) {
    ItemRecord* record = Usable(userItemId, KindBit(UserItemKind));
    if (!record || index >= record->accessibleElements.size()) {
        return false;
    }
    return ClickAt(userItemId, Centre(record->accessibleElements[index].rect));
}

bool DialogDriver::Hover(std::int16_t id, Point point) {
    ItemRecord* record = Usable(id, AnyKind, false);
    if (!record) {
        return false;
    }
    // A disabled item takes no mouse moves.
    if (record->kind == UserItemKind && gtk_widget_is_sensitive(Widget(*record))) {
        SendMouse(id, GDK_MOTION_NOTIFY, point, false, true);
    }
    record->window->SetDrivenPointer(ToClient(*record, point));
    ProcessPendingEvents();
    if (DialogWindow* window = OpenWindow()) {
        window->NotifyIdle();
    }
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::CloseWindow() {
    DialogWindow* window = OpenWindow();
    if (!window) {
        return false;
    }
    gtk_window_close(GTK_WINDOW(window->GetToplevel()));
    ProcessPendingEvents();
    return true;
}

std::optional<std::int16_t> DialogDriver::FindUserItem(std::string_view utf8) const {
    if (DialogWindow* window = dialog.window.get()) {
        for (const auto& record : window->GetRecords()) {
            if (record->kind == UserItemKind && record->accessibleName == utf8) {
                return record->id;
            }
        }
    }
    return std::nullopt;
}

DialogState DialogDriver::GetState() const {
    DialogState state;
    if (DialogWindow* window = dialog.window.get()) {
        state.title = window->GetTitle();
        state.width = window->GetWidth();
        state.height = window->GetHeight();
        state.open = window->IsOpen();
        for (const auto& record : window->GetRecords()) {
            state.items.push_back(StateOf(*record));
        }
    }
    return state;
}

std::optional<ItemState> DialogDriver::GetItemState(std::int16_t id) const {
    DialogWindow* window = dialog.window.get();
    const ItemRecord* record = window ? window->Find(id) : nullptr;
    return record ? std::optional<ItemState>(StateOf(*record)) : std::nullopt;
}

struct DialogDriver::Rendering {
    explicit Rendering(cairo_surface_t* surface) : surface(surface) {}
    Rendering(const Rendering&) = delete;
    Rendering& operator=(const Rendering&) = delete;
    ~Rendering() { cairo_surface_destroy(surface); }

    cairo_surface_t* surface;
};

std::unique_ptr<DialogDriver::Rendering> DialogDriver::Render() {
    DialogWindow* window = OpenWindow();
    if (!window) {
        return nullptr;
    }
    ProcessPendingEvents();
    // Items shown or hidden since the last frame get their places now rather than on the next frame.
    gtk_container_check_resize(GTK_CONTAINER(window->GetToplevel()));
    GtkWidget* clientArea = window->GetClientArea();

    auto rendering = std::make_unique<Rendering>(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, window->GetWidth(), window->GetHeight()));
    cairo_t* cr = cairo_create(rendering->surface);
    int x = 0;
    int y = 0;
    gtk_widget_translate_coordinates(clientArea, window->GetToplevel(), 0, 0, &x, &y);
    cairo_translate(cr, -x, -y);
    gtk_widget_draw(window->GetToplevel(), cr);
    cairo_destroy(cr);
    cairo_surface_flush(rendering->surface);
    RethrowKeptException();
    return rendering;
}

std::unique_ptr<Image> DialogDriver::Capture() {
    const auto rendering = Render();
    if (!rendering) {
        return nullptr;
    }
    cairo_surface_t* surface = rendering->surface;
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    // cairo's ARGB32 is the image's blue, green, red, alpha on this little-endian machine.
    std::vector<std::uint8_t> pixels(std::size_t(width) * std::size_t(height) * 4);
    for (int row = 0; row < height; ++row) {
        std::copy_n(data + std::size_t(row) * stride, std::size_t(width) * 4,
                    pixels.data() + std::size_t(row) * width * 4);
    }
    return std::make_unique<Image>(width, height, std::move(pixels));
}

bool DialogDriver::SaveScreenshot(const std::string& path) {
    const auto rendering = Render();
    return rendering && cairo_surface_write_to_png(rendering->surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

} // namespace host
