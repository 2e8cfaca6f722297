#include "host/EventSource.h"

#include "host/EventObserver.h"

#include <algorithm>

namespace host {

EventObserver::~EventObserver() {
    // Detach from a copy: Forget edits `sources`.
    const std::vector<EventSource*> attached = sources;
    for (EventSource* source : attached) {
        source->Detach(*this);
    }
}

void EventObserver::SourceDestroyed(EventSource&) {}

EventSource::~EventSource() {
    const std::vector<EventObserver*> attached = observers;
    for (EventObserver* observer : attached) {
        if (observer != nullptr) {
            Detach(*observer);
            observer->SourceDestroyed(*this);
        }
    }
}

void EventSource::Attach(EventObserver& observer) {
    if (IsAttached(observer)) {
        return;
    }
    observers.push_back(&observer);
    observer.sources.push_back(this);
}

void EventSource::Detach(EventObserver& observer) {
    auto it = std::find(observers.begin(), observers.end(), &observer);
    if (it == observers.end()) {
        return;
    }
    if (deliveryDepth > 0) {
        *it = nullptr;
    } else {
        observers.erase(it);
    }
    std::erase(observer.sources, this);
}

bool EventSource::IsAttached(const EventObserver& observer) const {
    return std::find(observers.begin(), observers.end(), &observer) != observers.end();
}

std::size_t EventSource::GetObserverCount() const {
    return static_cast<std::size_t>(std::count_if(observers.begin(), observers.end(),
                                                  [](const EventObserver* o) { return o != nullptr; }));
}

EventSource::DeliveryScope::~DeliveryScope() {
    if (--source.deliveryDepth == 0) {
        std::erase(source.observers, nullptr);
    }
}

} // namespace host
