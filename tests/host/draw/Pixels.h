#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/Bitmap.h"
#include "host/BitmapDevice.h"
#include "host/Image.h"

namespace drawtest {

// One pixel as the drawing library stores it: premultiplied blue, green, red, alpha.
struct Pixel {
    int blue = 0;
    int green = 0;
    int red = 0;
    int alpha = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

inline Pixel At(const host::Bitmap& bitmap, int x, int y) {
    const std::uint8_t* p = bitmap.GetPixels() + y * bitmap.GetStride() + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

inline Pixel At(const host::Image& image, int x, int y) {
    const std::uint8_t* p = image.GetPixels() + y * image.GetStride() + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

inline bool IsBlank(const Pixel& pixel) {
    return pixel == Pixel{};
}

// An opaque image whose every pixel differs from its neighbours: blue = x, green = y, red = x * y.
inline std::unique_ptr<host::Image> PatternImage(int width, int height) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = pixels.data() + (y * width + x) * 4;
            p[0] = static_cast<std::uint8_t>(x * 7);
            p[1] = static_cast<std::uint8_t>(y * 11);
            p[2] = static_cast<std::uint8_t>(x * y);
            p[3] = 255;
        }
    }
    return std::make_unique<host::Image>(width, height, std::move(pixels));
}

inline host::ContextAttributes Aliased() {
    host::ContextAttributes attributes;
    attributes.antialiasing = false;
    return attributes;
}

// The bounding box of the pixels that are not blank, as (left, top, right, bottom) inclusive; all -1
// when every pixel is blank.
struct Ink {
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;
    int count = 0;
};

inline Ink FindInk(const host::Bitmap& bitmap) {
    Ink ink;
    for (int y = 0; y < bitmap.GetHeight(); ++y) {
        for (int x = 0; x < bitmap.GetWidth(); ++x) {
            if (IsBlank(At(bitmap, x, y))) {
                continue;
            }
            if (ink.count++ == 0) {
                ink = {x, y, x, y, 1};
            }
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

} // namespace drawtest
