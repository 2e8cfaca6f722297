#pragma once

#include "Raster.h"

#include <cstdint>
#include <vector>

// A 24-bit bottom-up BMP file: 14-byte file header, 40-byte information header, 3,780 pixels per
// metre, pixel data at byte 54, rows padded to 4 bytes. Alpha is dropped.
std::vector<std::uint8_t> EncodeBmp24(const Raster& raster);

// Little-endian writers shared by the image encoders.
void Put16(std::vector<std::uint8_t>& out, std::uint32_t value);
void Put32(std::vector<std::uint8_t>& out, std::uint32_t value);

// A BITMAPINFOHEADER; `height` as stored (an icon stores twice its height).
void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bitsPerPixel,
                   std::uint32_t imageSize, std::uint32_t pixelsPerMetre, std::uint32_t coloursUsed);
