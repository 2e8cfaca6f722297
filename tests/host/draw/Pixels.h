#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/Bitmap.h"
#include "host/DrawTypes.h"
#include "host/Image.h"

namespace drawtest {

// One pixel as the drawing library stores it: premultiplied blue, green, red, alpha.
struct Pixel {
    int blue = 0, green = 0, red = 0, alpha = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

template <typename Pixels> // Bitmap or Image
Pixel At(const Pixels& pixels, int x, int y) {
    const std::uint8_t* p = pixels.GetPixels() + y * pixels.GetStride() + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

// An opaque image whose pixels all differ from their neighbours.
inline std::unique_ptr<host::Image> PatternImage(int width, int height) {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.insert(pixels.end(),
                          {std::uint8_t(x * 7), std::uint8_t(y * 11), std::uint8_t(x * y), 255});
        }
    }
    return std::make_unique<host::Image>(width, height, std::move(pixels));
}

inline host::ContextAttributes Aliased() {
    host::ContextAttributes attributes;
    attributes.antialiasing = false;
    return attributes;
}

// The bounding box (inclusive) and number of the pixels that are not transparent black.
struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};

inline Ink FindInk(const host::Bitmap& bitmap) {
    Ink ink;
    for (int y = 0; y < bitmap.GetHeight(); ++y) {
        for (int x = 0; x < bitmap.GetWidth(); ++x) {
            if (At(bitmap, x, y) != Pixel{}) {
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x),
                       std::max(ink.bottom, y), ink.count + 1};
            }
        }
    }
    return ink;
}

} // namespace drawtest
