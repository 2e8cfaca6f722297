#include "Logo.h"

#include <cmath>

namespace {

void RoundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius) {
    const double quarter = M_PI / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - radius, y + radius, radius, -quarter, 0);
    cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, quarter);
    cairo_arc(cr, x + radius, y + height - radius, radius, quarter, 2 * quarter);
    cairo_arc(cr, x + radius, y + radius, radius, 2 * quarter, 3 * quarter);
    cairo_close_path(cr);
}

} // namespace

void DrawLogo(cairo_t* cr, double size) {
    const double unit = size / 64.0;
    cairo_save(cr);
    cairo_scale(cr, unit, unit);

    cairo_pattern_t* tile = cairo_pattern_create_linear(0, 0, 0, 64);
    cairo_pattern_add_color_stop_rgb(tile, 0, 0.20, 0.44, 0.75);
    cairo_pattern_add_color_stop_rgb(tile, 1, 0.09, 0.22, 0.50);
    RoundedRectangle(cr, 1, 1, 62, 62, 12);
    cairo_set_source(cr, tile);
    cairo_fill(cr);
    cairo_pattern_destroy(tile);

    // Paint chips fanned out from a pivot at the lower right.
    const double chips[][3] = {{0.95, 0.76, 0.31}, {0.84, 0.15, 0.24}, {0.23, 0.65, 0.36}};
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 50, 54);
        cairo_rotate(cr, (-50.0 + 22.0 * i) * M_PI / 180.0);
        RoundedRectangle(cr, -5, -36, 10, 38, 3);
        cairo_set_source_rgb(cr, chips[i][0], chips[i][1], chips[i][2]);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_restore(cr);
    }

    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_rectangle(cr, 9, 12, 30, 8);
    cairo_rectangle(cr, 20, 12, 8, 40);
    cairo_fill(cr);
    cairo_restore(cr);
}

Raster RenderLogo(int size) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    DrawLogo(cr, size);
    cairo_destroy(cr);
    Raster raster = Raster::FromSurface(surface);
    cairo_surface_destroy(surface);
    return raster;
}
