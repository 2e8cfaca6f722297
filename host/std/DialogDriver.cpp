#include "host/DialogDriver.h"

#include <algorithm>
#include <cmath>

#include "host/DialogTemplate.h"
#include "host/File.h"
#include "host/Image.h"
#include "host/ModalDialog.h"
#include "host/Toolkit.h"
#include "host/std/DialogWindow.h"
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

constexpr int Press = int(controls::MouseAction::Press);
constexpr int Release = int(controls::MouseAction::Release);
constexpr int Move = int(controls::MouseAction::Move);

// Times of the driver's mouse events, in milliseconds. Separate actions lie further apart than any
// double-click time, so that only a double click is taken for one.
std::uint32_t EventTime(bool startsAction) {
    static std::uint32_t clock = EventClock();
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

std::vector<std::string> PopUpTexts(const ItemRecord& record) {
    std::vector<std::string> texts;
    for (int i = 0; i < controls::GetItemCount(record); ++i) {
        texts.push_back(controls::GetItemText(record, i));
    }
    return texts;
}

ItemState StateOf(const ItemRecord& record) {
    ItemState state;
    state.id = record.id;
    state.kind = record.kind;
    state.rect = record.rect;
    state.visible = controls::IsShown(record);
    state.enabled = controls::IsEnabled(record);
    state.text = controls::GetText(record);
    if (record.kind == std::int16_t(DialogItemKind::PopUp)) {
        state.popUpItems = PopUpTexts(record);
        state.selectedItem = std::int16_t(controls::GetSelectedItem(record) + 1);
    }
    if (record.kind == std::int16_t(DialogItemKind::PushCheck)) {
        state.on = controls::IsOn(record);
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
    if (!record || (kindMask & KindBit(record->kind)) == 0 || !controls::IsDrawable(*record) ||
        (mustBeEnabled && !controls::IsEnabled(*record))) {
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
    controls::ChooseAsUser(*record, int(found - texts.begin()));
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::Click(std::int16_t id) {
    ItemRecord* record = Usable(id, ClickableKinds);
    if (!record) {
        return false;
    }
    record->window->SetDrivenPointer(Centre(record->rect));
    controls::ClickAsUser(*record);
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::SendMouse(std::int16_t userItemId, int action, Point point, bool leftButtonPressed,
                             bool startsAction) {
    ItemRecord* record = Usable(userItemId, KindBit(UserItemKind));
    if (!record) {
        return false;
    }
    record->window->SetDrivenPointer(ToClient(*record, point));
    controls::SendMouseAsUser(*record, controls::MouseAction(action), point, leftButtonPressed,
                              EventTime(startsAction));
    return true;
}

// Once the button went down the action has happened; what follows is delivered while the item can
// still take it.
bool DialogDriver::ClickAt(std::int16_t userItemId, Point point) {
    if (!SendMouse(userItemId, Press, point, false, true)) {
        return false;
    }
    SendMouse(userItemId, Release, point, true, false);
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::DoubleClickAt(std::int16_t userItemId, Point point) {
    if (!SendMouse(userItemId, Press, point, false, true)) {
        return false;
    }
    SendMouse(userItemId, Release, point, true, false) &&
        SendMouse(userItemId, Press, point, false, false) &&
        SendMouse(userItemId, Release, point, true, false);
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::MoveTo(std::int16_t userItemId, Point point, bool leftButtonPressed) {
    if (!SendMouse(userItemId, Move, point, leftButtonPressed, true)) {
        return false;
    }
    ProcessPendingEvents();
    return true;
}

bool DialogDriver::Drag(std::int16_t userItemId, Point from, Point to, int steps) {
    if (steps < 1 || steps > MaxDragSteps || !SendMouse(userItemId, Press, from, false, true)) {
        return false;
    }
    bool delivered = true;
    for (int step = 1; step <= steps && delivered; ++step) {
        const Point point{std::int16_t(from.x + std::lround(double(to.x - from.x) * step / steps)),
                          std::int16_t(from.y + std::lround(double(to.y - from.y) * step / steps))};
        delivered = SendMouse(userItemId, Move, point, true, false);
    }
    SendMouse(userItemId, Release, to, true, false);
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
    if (record->kind == UserItemKind && controls::IsEnabled(*record)) {
        SendMouse(id, Move, point, false, true);
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
    window->GetNative().CloseAsUser();
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

std::unique_ptr<Image> DialogDriver::Capture() {
    DialogWindow* window = OpenWindow();
    if (!window) {
        return nullptr;
    }
    ProcessPendingEvents();
    std::unique_ptr<Image> image = window->GetNative().Render();
    RethrowKeptException();
    return image;
}

bool DialogDriver::SaveScreenshot(const std::string& path) {
    const std::unique_ptr<Image> image = Capture();
    if (!image) {
        return false;
    }
    File file{FileLocation(path)};
    if (file.OpenForWriting(true) != NoError) {
        return false;
    }
    const bool encoded = EncodePng(*image, [&file](const void* bytes, std::size_t length) {
        return file.Write(bytes, length) == NoError;
    });
    return file.Close() == NoError && encoded;
}

} // namespace host
