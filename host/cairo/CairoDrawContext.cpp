#include "host/cairo/CairoDrawContext.h"

#include <algorithm>
#include <cmath>

#include "host/Image.h"
#include "host/cairo/CairoNative.h"
#include "host/std/ImagePlacement.h"
#include "host/std/SaneRect.h"

namespace host {

namespace {

constexpr double MaxPenWidth = 1000.0;

double PenWidth(const Pen& pen) {
    return pen.width >= 1.0 ? std::min(pen.width, MaxPenWidth) : 1.0; // NaN as well gives 1
}

void StrokeWith(cairo_t* cr, const Pen& pen) {
    SetSourceColour(cr, pen.colour);
    cairo_set_line_width(cr, PenWidth(pen));
    cairo_stroke(cr);
}

} // namespace

CairoDrawContext::CairoDrawContext(NativeDrawContext* nativeContext, const ContextAttributes& attributes)
    : native(ToNative(cairo_reference(ToCairo(nativeContext)))), attributes(attributes) {
    cairo_t* cr = ToCairo(native);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_antialias(cr, attributes.antialiasing ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(cr, 10.0);
    cairo_set_dash(cr, nullptr, 0, 0.0);
}

CairoDrawContext::~CairoDrawContext() {
    cairo_t* cr = ToCairo(native);
    cairo_restore(cr);
    cairo_surface_flush(cairo_get_target(cr));
    cairo_destroy(cr);
}

void CairoDrawContext::FillRect(const RealRect& rect, const SolidPattern& pattern) {
    const std::optional<RealRect> r = SaneRect(rect);
    if (!r || !HasArea(*r)) {
        return;
    }
    cairo_t* cr = ToCairo(native);
    SetSourceColour(cr, pattern.GetColour());
    cairo_rectangle(cr, r->left, r->top, r->GetWidth(), r->GetHeight());
    cairo_fill(cr);
}

// The path runs through the centres of the edge pixels, so a 1-pixel pen covers exactly those pixels.
void CairoDrawContext::FrameRect(const RealRect& rect, const Pen& pen) {
    const std::optional<RealRect> r = SaneRect(rect);
    if (!r) {
        return;
    }
    cairo_t* cr = ToCairo(native);
    cairo_rectangle(cr, r->left + 0.5, r->top + 0.5, r->GetWidth(), r->GetHeight());
    StrokeWith(cr, pen);
}

void CairoDrawContext::DrawLine(double x1, double y1, double x2, double y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        return;
    }
    cairo_t* cr = ToCairo(native);
    x1 = LimitCoordinate(x1) + 0.5;
    y1 = LimitCoordinate(y1) + 0.5;
    x2 = LimitCoordinate(x2) + 0.5;
    y2 = LimitCoordinate(y2) + 0.5;
    if (x1 == x2 && y1 == y2) {
        // cairo strokes nothing for a line of no length; it is a dot of the pen's width.
        const double width = PenWidth(linePen);
        SetSourceColour(cr, linePen.colour);
        cairo_rectangle(cr, x1 - width / 2, y1 - width / 2, width, width);
        cairo_fill(cr);
        return;
    }
    // Square caps reach half a pen width past the end points' centres, covering the end pixels.
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    StrokeWith(cr, linePen);
}

void CairoDrawContext::DrawImage(const Image& image, const RealRect& destination,
                            const std::optional<RealRect>& source) {
    const int iw = image.GetWidth();
    const int ih = image.GetHeight();
    const std::optional<ImagePlacement> placement = PlaceImage(iw, ih, destination, source);
    if (!placement || !image.GetPixels()) {
        return;
    }
    const RealRect& dst = placement->destination;
    const RealRect& src = placement->source;
    const RealRect& target = placement->target;

    // cairo only reads a source surface, so the image's pixels can be lent without a copy.
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        const_cast<unsigned char*>(image.GetPixels()), CAIRO_FORMAT_ARGB32, iw, ih, image.GetStride());
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return;
    }
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(surface);
    cairo_matrix_t matrix;
    cairo_matrix_init_translate(&matrix, src.left, src.top);
    cairo_matrix_scale(&matrix, src.GetWidth() / dst.GetWidth(), src.GetHeight() / dst.GetHeight());
    cairo_matrix_translate(&matrix, -dst.left, -dst.top);
    cairo_pattern_set_matrix(pattern, &matrix);
    // Padding keeps scaled edges from fading into transparency.
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(pattern, attributes.antialiasing ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);

    cairo_t* cr = ToCairo(native);
    cairo_set_source(cr, pattern);
    cairo_rectangle(cr, target.left, target.top, target.GetWidth(), target.GetHeight());
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0, 0, 0); // lets go of the pattern and the image's pixels
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(surface);
}

void CairoDrawContext::Flush() {
    cairo_surface_flush(cairo_get_target(ToCairo(native)));
}

} // namespace host
