#pragma once

#include <functional>
#include <string_view>

namespace host {

// The foundation library's debug output: text for developers, written as it stands (the caller
// supplies any line end). Without a sink it goes to the standard error stream.
void DebugOutput(const char* text);

// A receiver of debug output installed by a host. The sink is called with each text in place of
// the standard error stream; an empty sink restores that stream. Answers the sink installed before.
using DebugOutputSink = std::function<void(std::string_view text)>;
DebugOutputSink SetDebugOutputSink(DebugOutputSink sink);

} // namespace host
