#pragma once

#include <memory>

#include "host/DrawContext.h"
#include "host/NativeDrawContext.h"

namespace host {

// A drawing device that draws through a window's native drawing context (the one an update event
// carries), in that context's coordinates and clip. The native context must outlive the device and its
// drawing contexts. A null native context gives contexts that draw nothing.
class WindowDevice {
public:
    explicit WindowDevice(NativeDrawContext* native) : native(native) {}

    std::unique_ptr<DrawContext> ObtainContext(const ContextAttributes& attributes);

private:
    NativeDrawContext* native;
};

} // namespace host
