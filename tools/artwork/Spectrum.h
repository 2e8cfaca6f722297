#pragma once

#include "Raster.h"

// The spectrum of the colour picker: HSL colours of lightness 0.5, hue from 0 degrees in the left
// column to 360 in the right one, saturation from 1 in the top row to 0 in the bottom one.
Raster RenderSpectrum(int width, int height);

// HSL (hue in degrees, saturation and lightness 0 to 1) as rounded 8-bit red, green, blue.
Pixel HslToPixel(double hue, double saturation, double lightness);
