#include "Banner.h"

#include "Logo.h"

#include <pango/pangocairo.h>

namespace {

void DrawText(cairo_t* cr, const char* utf8, const char* font, double pixels, double x, double y) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* description = pango_font_description_from_string(font);
    pango_font_description_set_absolute_size(description, pixels * PANGO_SCALE);
    pango_layout_set_font_description(layout, description);
    pango_layout_set_text(layout, utf8, -1);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(description);
    g_object_unref(layout);
}

} // namespace

Raster RenderBanner(int width, int height) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);

    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);

    cairo_pattern_t* band = cairo_pattern_create_linear(0, 0, width, 0);
    cairo_pattern_add_color_stop_rgb(band, 0.0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(band, 0.5, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(band, 1.0, 0.16, 0.38, 0.70);
    cairo_set_source(cr, band);
    cairo_paint(cr);
    cairo_pattern_destroy(band);

    cairo_set_source_rgb(cr, 0.09, 0.22, 0.50);
    cairo_rectangle(cr, 0, height - 4, width, 4);
    cairo_fill(cr);

    DrawText(cr, "Tarnova", "DejaVu Sans Bold", 38, 12, 0);
    cairo_set_source_rgb(cr, 0.25, 0.30, 0.40);
    DrawText(cr, "Színek, amelyekben otthon érzed magad", "DejaVu Sans Oblique", 12.5, 15, 48);

    cairo_save(cr);
    cairo_translate(cr, width - 66, (height - 4 - 58) / 2.0);
    DrawLogo(cr, 58);
    cairo_restore(cr);

    cairo_destroy(cr);
    Raster raster = Raster::FromSurface(surface);
    cairo_surface_destroy(surface);
    return raster;
}
