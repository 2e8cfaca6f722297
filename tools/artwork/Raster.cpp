#include "Raster.h"

Raster Raster::FromSurface(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    Raster raster(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < raster.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + std::size_t(y) * stride);
        for (int x = 0; x < raster.width; ++x) {
            const std::uint32_t argb = row[x];
            const unsigned alpha = argb >> 24;
            auto straight = [alpha](unsigned premultiplied) {
                return std::uint8_t(alpha ? (premultiplied * 255 + alpha / 2) / alpha : 0);
            };
            raster.At(x, y) = {straight((argb >> 16) & 0xFF), straight((argb >> 8) & 0xFF),
                               straight(argb & 0xFF), std::uint8_t(alpha)};
        }
    }
    return raster;
}
