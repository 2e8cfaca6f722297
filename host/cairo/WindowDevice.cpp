#include "host/WindowDevice.h"

#include "host/cairo/CairoNative.h"

namespace host {

std::unique_ptr<DrawContext> WindowDevice::ObtainContext(const ContextAttributes& attributes) {
    if (native) {
        return std::unique_ptr<DrawContext>(new DrawContext(native, attributes));
    }
    // cairo's context in error state over no surface ignores every operation.
    const CairoPtr inert(cairo_create(nullptr));
    return std::unique_ptr<DrawContext>(new DrawContext(ToNative(inert.get()), attributes));
}

} // namespace host
