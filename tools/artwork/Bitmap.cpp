#include "Bitmap.h"

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bitsPerPixel,
                   std::uint32_t imageSize, std::uint32_t pixelsPerMetre, std::uint32_t coloursUsed) {
    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);
    Put16(out, std::uint32_t(bitsPerPixel));
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, pixelsPerMetre);
    Put32(out, pixelsPerMetre);
    Put32(out, coloursUsed);
    Put32(out, 0);
}

std::vector<std::uint8_t> EncodeBmp24(const Raster& raster) {
    constexpr std::uint32_t dataOffset = 54;
    const std::uint32_t rowSize = (std::uint32_t(raster.width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = rowSize * std::uint32_t(raster.height);
    std::vector<std::uint8_t> out;
    out.reserve(dataOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, dataOffset + imageSize);
    Put32(out, 0);
    Put32(out, dataOffset);
    PutInfoHeader(out, raster.width, raster.height, 24, imageSize, 3780, 0);
    for (int y = raster.height - 1; y >= 0; --y) {
        for (int x = 0; x < raster.width; ++x) {
            const Pixel& p = raster.At(x, y);
            out.insert(out.end(), {p.blue, p.green, p.red});
        }
        out.resize(out.size() + (rowSize - std::uint32_t(raster.width) * 3));
    }
    return out;
}
