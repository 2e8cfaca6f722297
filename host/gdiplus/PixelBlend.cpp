#include "host/gdiplus/PixelBlend.h"

#include <algorithm>
#include <cstdint>

namespace host {
namespace {

// The part of a rectangle of the context inside the clip and the bitmap, in bitmap coordinates.
struct Span {
    int left, top, right, bottom;
    bool Empty() const { return left >= right || top >= bottom; }
};

Span Clipped(const PixelTarget& target, int left, int top, int right, int bottom) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, target.clipWidth);
    bottom = std::min(bottom, target.clipHeight);
    return Span{std::max(left + target.originX, 0), std::max(top + target.originY, 0),
                std::min(right + target.originX, target.width), std::min(bottom + target.originY, target.height)};
}

std::uint8_t Scaled(unsigned value, unsigned factor) {
    return std::uint8_t((value * factor + 127) / 255);
}

// One premultiplied pixel over another.
void Over(std::uint8_t* destination, const std::uint8_t* source) {
    const unsigned alpha = source[3];
    if (alpha == 255) {
        std::copy(source, source + 4, destination);
        return;
    }
    const unsigned rest = 255 - alpha;
    for (int channel = 0; channel < 4; ++channel) {
        destination[channel] = std::uint8_t(source[channel] + Scaled(destination[channel], rest));
    }
}

} // namespace

void BlendFill(const PixelTarget& target, int left, int top, int right, int bottom, const Colour& colour) {
    const Span span = Clipped(target, left, top, right, bottom);
    if (span.Empty() || colour.alpha == 0) {
        return;
    }
    const std::uint8_t source[4] = {Scaled(colour.blue, colour.alpha), Scaled(colour.green, colour.alpha),
                                    Scaled(colour.red, colour.alpha), colour.alpha};
    for (int row = span.top; row < span.bottom; ++row) {
        std::uint8_t* pixel = target.pixels + std::size_t(row) * std::size_t(target.stride) + std::size_t(span.left) * 4;
        for (int column = span.left; column < span.right; ++column, pixel += 4) {
            Over(pixel, source);
        }
    }
}

void BlendImage(const PixelTarget& target, int x, int y, const Image& image, int sourceX, int sourceY, int width,
                int height) {
    const Span span = Clipped(target, x, y, x + width, y + height);
    if (span.Empty()) {
        return;
    }
    // The source pixel drawn at the span's corner.
    const int fromX = sourceX + (span.left - target.originX - x);
    const int fromY = sourceY + (span.top - target.originY - y);
    for (int row = 0; row < span.bottom - span.top; ++row) {
        std::uint8_t* pixel =
            target.pixels + std::size_t(span.top + row) * std::size_t(target.stride) + std::size_t(span.left) * 4;
        const std::uint8_t* source = image.GetPixels() + std::size_t(fromY + row) * std::size_t(image.GetStride()) +
                                     std::size_t(fromX) * 4;
        for (int column = span.left; column < span.right; ++column, pixel += 4, source += 4) {
            Over(pixel, source);
        }
    }
}

} // namespace host
