#pragma once

#include <vector>

namespace host {

class EventSource;

// Base of every observer of the foundation library. An observer may be attached to several
// sources; it detaches itself from all of them when it is destroyed.
class EventObserver {
public:
    EventObserver() = default;
    EventObserver(const EventObserver&) = delete;
    EventObserver& operator=(const EventObserver&) = delete;
    virtual ~EventObserver();

    // The source is being destroyed; the observer has already been detached from it.
    virtual void SourceDestroyed(EventSource& source);

private:
    friend class EventSource;
    std::vector<EventSource*> sources;
};

} // namespace host
