#pragma once

#include <cstdint>
#include <vector>

#include "host/Image.h"

namespace host {

// A bitmap of the drawing library: pixel memory that a BitmapDevice draws into.
//
// The one pixel type (type 0), premultiplied 32-bit BGRA as in an Image: rows top to bottom,
// `GetStride()` bytes apart (always width × 4), 4 bytes a pixel in the order blue, green, red,
// alpha. The colour bytes are premultiplied by alpha: a pixel of red 200 at alpha 128
// holds red 100, so a caller that reads a translucent pixel divides by alpha to get its colour, and a
// caller that writes one multiplies first (colour bytes above alpha are invalid). Opaque pixels hold
// their colour unchanged. A new bitmap is transparent black (all bytes 0).
//
// Drawing reaches the pixel memory once the drawing context is flushed or released; what a caller
// writes into the memory is seen by the contexts obtained afterwards.
class Bitmap {
public:
    // Largest bitmap: the same limits as a decoded image, so that every image fits into a bitmap.
    static constexpr int MaxSide = Image::MaxSide;
    static constexpr std::int64_t MaxPixels = Image::MaxPixels;

    // A negative side counts as 0; a size beyond the limits gives an empty (0 × 0) bitmap, into which
    // drawing does nothing. Throws OutOfMemory when the memory cannot be had.
    Bitmap(int width, int height);

    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    int GetStride() const { return width * 4; }
    std::uint8_t* GetPixels() { return pixels.data(); }
    const std::uint8_t* GetPixels() const { return pixels.data(); }

private:
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

} // namespace host
