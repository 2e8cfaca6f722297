#include "host/Image.h"

#include <climits>
#include <stdexcept>

#include <stb_image.h>

namespace host {

namespace {

bool IsJpegOrBmp(const unsigned char* bytes, std::size_t length) {
    const bool jpeg = length >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
    const bool bmp = length >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
    return jpeg || bmp;
}

std::uint32_t Little(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    return value;
}

// An uncompressed BMP must hold all the rows its header promises; the decoder would fill the
// missing ones with zeros.
bool IsCompleteBmp(const unsigned char* bytes, std::size_t length) {
    if (length < 26) {
        return false;
    }
    const std::uint32_t headerSize = Little(bytes + 14, 4);
    const bool os2 = headerSize == 12;
    if (!os2 && length < 34) {
        return false;
    }
    const std::int64_t width = os2 ? Little(bytes + 18, 2) : std::int32_t(Little(bytes + 18, 4));
    const std::int64_t height = os2 ? Little(bytes + 20, 2) : std::int32_t(Little(bytes + 22, 4));
    const std::uint32_t bitsPerPixel = Little(bytes + (os2 ? 24 : 28), 2);
    const std::uint32_t compression = os2 ? 0 : Little(bytes + 30, 4);
    if (compression != 0 && compression != 3) {
        return true;
    }
    const std::int64_t rowSize = (width * bitsPerPixel + 31) / 32 * 4;
    const std::int64_t needed =
        std::int64_t(Little(bytes + 10, 4)) + rowSize * (height < 0 ? -height : height);
    return width >= 0 && std::int64_t(length) >= needed;
}

bool FitsLimits(int width, int height) {
    return width > 0 && height > 0 && width <= Image::MaxSide && height <= Image::MaxSide &&
           std::int64_t(width) * height <= Image::MaxPixels;
}

std::uint8_t Premultiply(std::uint8_t channel, std::uint8_t alpha) {
    return static_cast<std::uint8_t>((channel * alpha + 127) / 255);
}

// stb gives red, green, blue, alpha; the drawing library keeps blue, green, red, alpha, premultiplied.
std::vector<std::uint8_t> ToDrawingPixels(const unsigned char* rgba, std::size_t pixelCount) {
    std::vector<std::uint8_t> pixels(pixelCount * 4);
    for (std::size_t i = 0; i < pixelCount; ++i) {
        const unsigned char* in = rgba + i * 4;
        std::uint8_t* out = pixels.data() + i * 4;
        const std::uint8_t alpha = in[3];
        if (alpha == 255) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        } else {
            out[0] = Premultiply(in[2], alpha);
            out[1] = Premultiply(in[1], alpha);
            out[2] = Premultiply(in[0], alpha);
        }
        out[3] = alpha;
    }
    return pixels;
}

} // namespace

Image::Image(int width, int height, std::vector<std::uint8_t> pixels)
    : width(width), height(height), pixels(std::move(pixels)) {
    if (width < 0 || height < 0 || this->pixels.size() != std::size_t(width) * std::size_t(height) * 4) {
        throw std::invalid_argument("image pixels do not match its size");
    }
}

std::unique_ptr<Image> Image::Decode(const void* bytes, std::size_t length, std::int32_t /*fileType*/) {
    const auto* data = static_cast<const unsigned char*>(bytes);
    if (data == nullptr || length > std::size_t(INT_MAX) || !IsJpegOrBmp(data, length)) {
        return nullptr;
    }
    const int byteCount = static_cast<int>(length);
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(data, byteCount, &width, &height, &channels) || !FitsLimits(width, height) ||
        (data[0] == 'B' && !IsCompleteBmp(data, length))) {
        return nullptr;
    }
    const std::unique_ptr<unsigned char, void (*)(void*)> rgba(
        stbi_load_from_memory(data, byteCount, &width, &height, &channels, 4), &stbi_image_free);
    if (rgba == nullptr || !FitsLimits(width, height)) {
        return nullptr;
    }
    return std::make_unique<Image>(width, height, ToDrawingPixels(rgba.get(), std::size_t(width) * height));
}

} // namespace host
