#include "host/EventSource.h"
#include "host/EventObserver.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class CountingObserver;

class Source : public host::EventSource {
public:
    void Fire();
};

class CountingObserver : public host::EventObserver {
public:
    CountingObserver(std::vector<std::string>& log, std::string name) : log(log), name(std::move(name)) {}
    void Notified() {
        log.push_back(name);
        if (onNotified) {
            onNotified();
        }
    }
    void SourceDestroyed(host::EventSource&) override { log.push_back(name + " saw source go"); }

    std::vector<std::string>& log;
    std::string name;
    std::function<void()> onNotified;
};

void Source::Fire() {
    NotifyObservers<CountingObserver>([](CountingObserver& o) { o.Notified(); });
}

TEST(EventSource, DeliversInAttachOrderOnceEach) {
    std::vector<std::string> log;
    Source source;
    CountingObserver a(log, "a"), b(log, "b");
    source.Attach(a);
    source.Attach(b);
    source.Attach(a);
    source.Fire();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
}

TEST(EventSource, ObserverDetachingItselfOrAnotherDuringDelivery) {
    std::vector<std::string> log;
    Source source;
    CountingObserver a(log, "a"), b(log, "b"), c(log, "c");
    source.Attach(a);
    source.Attach(b);
    source.Attach(c);
    a.onNotified = [&] {
        source.Detach(a);
        source.Detach(b);
    };
    source.Fire();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(source.GetObserverCount(), 1u);
    log.clear();
    source.Fire();
    EXPECT_EQ(log, (std::vector<std::string>{"c"}));
}

TEST(EventSource, ObserverDestroyedDuringDeliveryIsRemoved) {
    std::vector<std::string> log;
    Source source;
    CountingObserver a(log, "a");
    auto doomed = std::make_unique<CountingObserver>(log, "doomed");
    source.Attach(a);
    source.Attach(*doomed);
    a.onNotified = [&] { doomed.reset(); };
    source.Fire();
    EXPECT_EQ(log, (std::vector<std::string>{"a"}));
    EXPECT_EQ(source.GetObserverCount(), 1u);
}

TEST(EventSource, NestedDeliveryAndAttachDuringDelivery) {
    std::vector<std::string> log;
    Source source;
    CountingObserver a(log, "a"), late(log, "late");
    source.Attach(a);
    int depth = 0;
    a.onNotified = [&] {
        if (depth++ == 0) {
            source.Attach(late);
            source.Fire(); // a notification sent from inside a handler
        }
    };
    source.Fire();
    // The nested notification already reaches the new observer; the outer one does not.
    EXPECT_EQ(log, (std::vector<std::string>{"a", "a", "late"}));
}

TEST(EventSource, SourceDestroyedFirstLeavesObserversDetached) {
    std::vector<std::string> log;
    CountingObserver a(log, "a");
    {
        Source source;
        source.Attach(a);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"a saw source go"}));
    // Destroying the observer afterwards must not touch the dead source.
}

} // namespace
