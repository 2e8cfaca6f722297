#pragma once

#include <memory>

#include <cairo.h>

#include "host/Bitmap.h"
#include "host/Colour.h"
#include "host/NativeDrawContext.h"

namespace host {

// A native drawing context is a cairo context.
inline cairo_t* ToCairo(NativeDrawContext* native) {
    return reinterpret_cast<cairo_t*>(native);
}
inline NativeDrawContext* ToNative(cairo_t* cr) {
    return reinterpret_cast<NativeDrawContext*>(cr);
}

struct CairoDestroy {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using CairoPtr = std::unique_ptr<cairo_t, CairoDestroy>;

// A new cairo context over a bitmap's pixels (a 0 × 0 bitmap has none; cairo takes null for it).
inline CairoPtr CreateCairo(Bitmap& bitmap) {
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        bitmap.GetPixels(), CAIRO_FORMAT_ARGB32, bitmap.GetWidth(), bitmap.GetHeight(), bitmap.GetStride());
    CairoPtr cr(cairo_create(surface));
    cairo_surface_destroy(surface);
    return cr;
}

inline void SetSourceColour(cairo_t* cr, const Colour& colour) {
    cairo_set_source_rgba(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0,
                          colour.alpha / 255.0);
}

} // namespace host
