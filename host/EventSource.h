#pragma once

#include <cstddef>
#include <vector>

namespace host {

class EventObserver;

// Base of every event source of the foundation library. Observers attach and detach themselves;
// a notification reaches every observer attached when it starts, in the order of attachment.
// Observers may attach, detach or be destroyed while a notification is delivered: a detached
// observer receives nothing more, a newly attached one starts with the next notification.
class EventSource {
public:
    EventSource() = default;
    EventSource(const EventSource&) = delete;
    EventSource& operator=(const EventSource&) = delete;
    virtual ~EventSource();

    void Attach(EventObserver& observer); // attaching twice keeps one attachment
    void Detach(EventObserver& observer);
    bool IsAttached(const EventObserver& observer) const;
    std::size_t GetObserverCount() const;

protected:
    // Calls `notify(observer)` on every attached observer, cast to the source's observer type.
    template <typename Observer, typename Notify> void NotifyObservers(Notify&& notify) {
        DeliveryScope scope(*this);
        const std::size_t count = observers.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (observers[i] != nullptr) {
                if (auto* typed = dynamic_cast<Observer*>(observers[i])) {
                    notify(*typed);
                }
            }
        }
    }

private:
    // While deliveries run, detached observers leave a null slot so indexes stay put; the list
    // is compacted when the outermost delivery ends.
    class DeliveryScope {
    public:
        explicit DeliveryScope(EventSource& source) : source(source) { ++source.deliveryDepth; }
        ~DeliveryScope();

    private:
        EventSource& source;
    };

    std::vector<EventObserver*> observers;
    int deliveryDepth = 0;
};

} // namespace host
