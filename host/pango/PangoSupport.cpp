#include "host/pango/PangoSupport.h"

#include <cmath>

namespace host {

namespace {

constexpr double PixelsPerInch = 96.0;
constexpr double MaxPointSize = 1000.0;

PangoFontMap* EngineFontMap() {
    static PangoFontMap* const fontMap = pango_cairo_font_map_new();
    return fontMap;
}

} // namespace

FontDescriptionPtr NewFontDescription(const UniString& family, double size, int style) {
    if (!(size > 0.0 && size <= MaxPointSize)) {
        return nullptr;
    }
    FontDescriptionPtr description(pango_font_description_new());
    if (!family.IsEmpty()) {
        pango_font_description_set_family(description.get(), family.ToCString());
    }
    pango_font_description_set_size(description.get(), static_cast<gint>(std::lround(size * PANGO_SCALE)));
    pango_font_description_set_weight(description.get(),
                                      (style & Font::StyleBold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(description.get(),
                                     (style & Font::StyleItalic) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return description;
}

FontDescriptionPtr NewFontDescription(const Font& font) {
    return NewFontDescription(font.family, font.size, font.style);
}

GObjectPtr<PangoContext> NewPangoContext() {
    GObjectPtr<PangoContext> context(pango_font_map_create_context(EngineFontMap()));
    pango_cairo_context_set_resolution(context.get(), PixelsPerInch);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    pango_cairo_context_set_font_options(context.get(), options);
    cairo_font_options_destroy(options);
    return context;
}

} // namespace host
