#include "support/ImageFiles.h"

#include <stb_image_write.h>

namespace testsupport {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::vector<std::uint8_t> BmpHeader(int width, int height, int bitsPerPixel, std::uint32_t dataSize) {
    std::vector<std::uint8_t> out{'B', 'M'};
    Put32(out, 54 + dataSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    Put32(out, 0);
    Put32(out, dataSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    return out;
}

void AppendToVector(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

std::vector<std::uint8_t> RgbPixels(int width, int height, host::Colour colour, bool pattern) {
    std::vector<std::uint8_t> pixels;
    pixels.reserve(std::size_t(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int shade = pattern && ((x + y) / 8) % 2 ? 6 : 0;
            pixels.push_back(static_cast<std::uint8_t>(colour.red ^ shade));
            pixels.push_back(static_cast<std::uint8_t>(colour.green ^ shade));
            pixels.push_back(static_cast<std::uint8_t>(colour.blue ^ shade));
        }
    }
    return pixels;
}

} // namespace

std::vector<std::uint8_t> MakeBmp(int width, int height, host::Colour colour, int bitsPerPixel) {
    const int bytesPerPixel = bitsPerPixel / 8;
    const int rowSize = (width * bytesPerPixel + 3) / 4 * 4;
    std::vector<std::uint8_t> out = BmpHeader(width, height, bitsPerPixel, std::uint32_t(rowSize) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out.insert(out.end(), {colour.blue, colour.green, colour.red});
            if (bytesPerPixel == 4) {
                out.push_back(colour.alpha);
            }
        }
        out.insert(out.end(), rowSize - width * bytesPerPixel, 0);
    }
    return out;
}

std::vector<std::uint8_t> MakeJpeg(int width, int height, host::Colour colour) {
    const std::vector<std::uint8_t> pixels = RgbPixels(width, height, colour, true);
    std::vector<std::uint8_t> out;
    stbi_write_jpg_to_func(&AppendToVector, &out, width, height, 3, pixels.data(), 95);
    return out;
}

std::vector<std::uint8_t> MakePng(int width, int height, host::Colour colour) {
    const std::vector<std::uint8_t> pixels = RgbPixels(width, height, colour, false);
    std::vector<std::uint8_t> out;
    stbi_write_png_to_func(&AppendToVector, &out, width, height, 3, pixels.data(), width * 3);
    return out;
}

std::vector<std::uint8_t> MakeBmpHeader(int width, int height) {
    const std::uint64_t claimed = std::uint64_t(width) * 3 * height;
    return BmpHeader(width, height, 24, static_cast<std::uint32_t>(claimed));
}

} // namespace testsupport
