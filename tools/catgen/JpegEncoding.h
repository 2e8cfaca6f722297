#pragma once

#include <cstdint>
#include <vector>

// Baseline JPEG of `size` by `size` pixels given as red, green, blue bytes; empty on failure.
std::vector<std::uint8_t> EncodeJpeg(const std::vector<std::uint8_t>& rgbPixels, int size, int quality = 90);
