#pragma once

#include <cairo.h>
#include <cstdint>
#include <vector>

// Straight (not premultiplied) pixels, rows top to bottom.
struct Pixel {
    std::uint8_t red = 0, green = 0, blue = 0, alpha = 0;
};

struct Raster {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;

    Raster(int width, int height) : width(width), height(height), pixels(std::size_t(width) * height) {}
    Pixel& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    const Pixel& At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }

    // The pixels of a cairo ARGB32 image surface.
    static Raster FromSurface(cairo_surface_t* surface);
};
