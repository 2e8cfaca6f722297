#include "host/WindowDevice.h"

#include "host/gdiplus/GdiplusDrawContext.h"

namespace host {

// A null native context gives a context that draws nothing.
std::unique_ptr<DrawContext> WindowDevice::ObtainContext(const ContextAttributes& attributes) {
    return std::make_unique<GdiplusDrawContext>(native, attributes);
}

} // namespace host
