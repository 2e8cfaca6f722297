#include "host/std/ItemEvents.h"

#include <cstdlib>

#include "host/DialogItems.h"
#include "host/UserItem.h"
#include "host/std/ItemRecord.h"
#include "host/std/NativeToolkit.h"
#include "host/std/ToolkitState.h"

namespace host {
namespace {

int updateDepth = 0;

// A second press soon after the first and near it is a double click; the press after a double
// click starts anew.
bool IsSecondPress(ItemRecord& record, std::uint32_t time, Point point) {
    const DoubleClickRule rule = GetDoubleClickRule();
    const bool second = record.lastClickTime && time - *record.lastClickTime <= rule.timeMs &&
                        std::abs(point.x - record.lastClickPoint.x) <= rule.distance &&
                        std::abs(point.y - record.lastClickPoint.y) <= rule.distance;
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

} // namespace

void NotifyButtonClicked(ItemRecord& record) {
    if (record.programChanges == 0) {
        CallFromLoop([&record] {
            record.NotifyObservers<ButtonObserver>(
                [](ButtonObserver& observer, Item& source) { observer.ButtonClicked({&source}); });
        });
    }
}

void NotifyCheckChanged(ItemRecord& record) {
    if (record.programChanges == 0) {
        CallFromLoop([&record] {
            record.NotifyObservers<CheckItemObserver>([](CheckItemObserver& observer, Item& source) {
                observer.CheckItemChanged({static_cast<PushCheck*>(&source)});
            });
        });
    }
}

void NotifyPopUpChanged(ItemRecord& record) {
    if (record.programChanges == 0) {
        CallFromLoop([&record] {
            record.NotifyObservers<PopUpObserver>([](PopUpObserver& observer, Item& source) {
                observer.PopUpChanged({static_cast<PopUp*>(&source)});
            });
        });
    }
}

void NotifyUserItemUpdate(ItemRecord& record, NativeDrawContext* context) {
    record.redrawPending = false;
    ++updateDepth;
    CallFromLoop([&record, context] {
        record.NotifyObservers<UserItemObserver>([context](UserItemObserver& observer, Item& source) {
            observer.UserItemUpdate({static_cast<UserItem*>(&source), context});
        });
    });
    --updateDepth;
}

void NotifyMousePress(ItemRecord& record, Point point, std::uint32_t time) {
    NotifyMouse(record,
                IsSecondPress(record, time, point) ? &UserItemObserver::UserItemDoubleClicked
                                                   : &UserItemObserver::UserItemClicked,
                point, true);
}

void NotifyMouseMove(ItemRecord& record, Point point, bool leftButtonPressed) {
    if (record.mouseMoves) {
        NotifyMouse(record, &UserItemObserver::UserItemMouseMoved, point, leftButtonPressed);
    }
}

bool IsInsideUpdate() {
    return updateDepth > 0;
}

void ExpectUpdate(ItemRecord& record) {
    if (record.kind == UserItemKind && controls::IsDrawable(record)) {
        record.redrawPending = true;
    }
}

void ForgetUpdate(ItemRecord& record) {
    record.redrawPending = false;
}

} // namespace host
