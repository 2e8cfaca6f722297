#pragma once

#include "Raster.h"

#include <cstdint>
#include <vector>

// An .ico file holding one image of the raster: 24 bits per pixel, or 8 (256 colours, the
// palette chosen from the raster's own colours). Pixels below half opacity are transparent
// through the icon's mask.
std::vector<std::uint8_t> EncodeIcon(const Raster& raster, int bitsPerPixel);
