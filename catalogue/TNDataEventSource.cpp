#include "catalogue/TNDataEventSource.h"

#include "catalogue/TNDataEventObserver.h"

void TNDataEventSource::FireModeChanged() {
    NotifyObservers<TNDataEventObserver>([](TNDataEventObserver& o) { o.ModeChanged(); });
}

void TNDataEventSource::FireSurfaceChanged() {
    NotifyObservers<TNDataEventObserver>([](TNDataEventObserver& o) { o.SurfaceChanged(); });
}

void TNDataEventSource::FireProductChanged() {
    NotifyObservers<TNDataEventObserver>([](TNDataEventObserver& o) { o.ProductChanged(); });
}

void TNDataEventSource::FireCurrentColourChanged() {
    NotifyObservers<TNDataEventObserver>([](TNDataEventObserver& o) { o.CurrentColourChanged(); });
}

void TNDataEventSource::FireChosenColourChanged(std::uint32_t index) {
    NotifyObservers<TNDataEventObserver>([index](TNDataEventObserver& o) { o.ChosenColourChanged(index); });
}

void TNDataEventSource::FirePickedColoursChanged() {
    NotifyObservers<TNDataEventObserver>([](TNDataEventObserver& o) { o.PickedColoursChanged(); });
}

void TNDataEventSource::FireSelectedSlotChanged() {
    NotifyObservers<TNDataEventObserver>([](TNDataEventObserver& o) { o.SelectedSlotChanged(); });
}

void TNDataEventSource::FireViewModeChanged(bool available) {
    NotifyObservers<TNDataEventObserver>(
        [available](TNDataEventObserver& o) { o.ViewModeChanged(available); });
}
