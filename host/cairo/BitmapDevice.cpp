#include "host/BitmapDevice.h"

#include "host/cairo/CairoDrawContext.h"
#include "host/cairo/CairoNative.h"

namespace host {

std::unique_ptr<DrawContext> BitmapDevice::ObtainContext(const ContextAttributes& attributes) {
    const CairoPtr cr = CreateCairo(bitmap);
    return std::make_unique<CairoDrawContext>(ToNative(cr.get()), attributes);
}

} // namespace host
