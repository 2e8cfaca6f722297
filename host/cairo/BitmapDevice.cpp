#include "host/BitmapDevice.h"

#include "host/cairo/CairoNative.h"

namespace host {

std::unique_ptr<DrawContext> BitmapDevice::ObtainContext(const ContextAttributes& attributes) {
    const CairoPtr cr = CreateCairo(bitmap);
    return std::unique_ptr<DrawContext>(new DrawContext(ToNative(cr.get()), attributes));
}

} // namespace host
