#pragma once

#include "host/Colour.h"

#include <cstdint>
#include <vector>

namespace testsupport {

// An uncompressed BMP of one colour: 24 bits a pixel, or 32 with the colour's alpha.
std::vector<std::uint8_t> MakeBmp(int width, int height, host::Colour colour, int bitsPerPixel = 24);

// A baseline JPEG (quality 95) of one colour with a faint diagonal pattern, so that files of
// different colours or sizes differ.
std::vector<std::uint8_t> MakeJpeg(int width, int height, host::Colour colour);

// A PNG of one colour: an image format the platform does not decode.
std::vector<std::uint8_t> MakePng(int width, int height, host::Colour colour);

// The header of a 24-bit BMP that claims the given size but carries no pixels.
std::vector<std::uint8_t> MakeBmpHeader(int width, int height);

} // namespace testsupport
