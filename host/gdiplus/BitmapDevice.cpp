#include "host/BitmapDevice.h"

#include "host/gdiplus/GdiplusDrawContext.h"

namespace host {

std::unique_ptr<DrawContext> BitmapDevice::ObtainContext(const ContextAttributes& attributes) {
    std::unique_ptr<NativeDrawContext> native = NativeContextOver(bitmap);
    NativeDrawContext* drawn = native.get();
    return std::make_unique<GdiplusDrawContext>(drawn, attributes, std::move(native));
}

} // namespace host
