#include "host/WindowDevice.h"

#include "host/cairo/CairoDrawContext.h"
#include "host/cairo/CairoNative.h"

namespace host {

std::unique_ptr<DrawContext> WindowDevice::ObtainContext(const ContextAttributes& attributes) {
    if (native) {
        return std::make_unique<CairoDrawContext>(native, attributes);
    }
    // cairo's context in error state over no surface ignores every operation.
    const CairoPtr inert(cairo_create(nullptr));
    return std::make_unique<CairoDrawContext>(ToNative(inert.get()), attributes);
}

} // namespace host
