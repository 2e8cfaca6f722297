#include "host/DebugOutput.h"

#include "host/std/SystemDebugOutput.h"

#include <mutex>
#include <utility>

namespace host {
namespace {

std::mutex sinkMutex;

DebugOutputSink& Sink() {
    // Never destroyed, so that output during the process's static destruction still has a sink.
    static auto* sink = new DebugOutputSink;
    return *sink;
}

} // namespace

void DebugOutput(const char* text) {
    if (!text)
        return;
    DebugOutputSink sink;
    {
        std::lock_guard lock(sinkMutex);
        sink = Sink();
    }
    if (sink) {
        sink(text);
    } else {
        WriteSystemDebugOutput(text);
    }
}

DebugOutputSink SetDebugOutputSink(DebugOutputSink sink) {
    std::lock_guard lock(sinkMutex);
    return std::exchange(Sink(), std::move(sink));
}

} // namespace host
