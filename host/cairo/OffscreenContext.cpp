#include "host/OffscreenContext.h"

#include <algorithm>

#include "host/cairo/CairoNative.h"

namespace host {

OffscreenContext::OffscreenContext(Bitmap& bitmap)
    : OffscreenContext(bitmap, 0, 0, bitmap.GetWidth(), bitmap.GetHeight()) {}

OffscreenContext::OffscreenContext(Bitmap& bitmap, int left, int top, int width, int height) {
    cairo_t* cr = CreateCairo(bitmap).release();
    cairo_translate(cr, left, top);
    cairo_rectangle(cr, 0, 0, std::max(width, 0), std::max(height, 0));
    cairo_clip(cr);
    native = ToNative(cr);
}

OffscreenContext::~OffscreenContext() {
    cairo_t* cr = ToCairo(native);
    cairo_surface_flush(cairo_get_target(cr));
    cairo_destroy(cr);
}

} // namespace host
