#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace host {

class Bitmap;

// An image of the drawing library: decoded pixels, ready to be drawn.
//
// Pixel memory: premultiplied 32-bit BGRA (what GDI+ calls PixelFormat32bppPARGB): rows top to
// bottom, `GetStride()` bytes apart, 4 bytes a pixel in the order blue, green, red, alpha. The
// colour bytes are premultiplied by alpha: a pixel of red 200 at alpha 128 holds red 100. Opaque pixels (alpha 255) hold their
// colour unchanged.
class Image {
public:
    // Largest image that is decoded at all; larger ones are refused before their pixels are read.
    static constexpr int MaxSide = 16384;
    static constexpr std::int64_t MaxPixels = 64ll * 1024 * 1024;

    // Decodes JPEG or BMP bytes. The format is recognised from the bytes themselves; `fileType`
    // (an identifier from LookUpFileType) is only a hint. Yields null for bytes that are no
    // decodable image or an image beyond the size limits.
    static std::unique_ptr<Image> Decode(const void* bytes, std::size_t length, std::int32_t fileType);

    // A copy of a bitmap's current pixels.
    static std::unique_ptr<Image> FromBitmap(const Bitmap& bitmap);

    Image(int width, int height, std::vector<std::uint8_t> pixels);

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    int GetStride() const { return width * 4; }
    const std::uint8_t* GetPixels() const { return pixels.data(); }

private:
    int width;
    int height;
    std::vector<std::uint8_t> pixels;
};

// Encodes `width` x `height` pixels of 3 bytes each (red, green, blue; rows top to bottom) as an
// uncompressed 24-bit BMP and hands the file's bytes, in order, to `write`, which answers whether
// it took them. Answers whether the whole file was handed on and taken.
using ByteSink = std::function<bool(const void* bytes, std::size_t length)>;
bool EncodeBmp24(int width, int height, const std::uint8_t* rgb, const ByteSink& write);

// Encodes the image as a PNG file of its own colours (not premultiplied) with their alpha, handed
// to `write` as EncodeBmp24 hands its bytes. False for an image without pixels.
bool EncodePng(const Image& image, const ByteSink& write);

} // namespace host
