#include "Spectrum.h"

#include <cmath>

Pixel HslToPixel(double hue, double saturation, double lightness) {
    const double chroma = (1 - std::fabs(2 * lightness - 1)) * saturation;
    const double sector = std::fmod(hue, 360.0) / 60.0;
    const double second = chroma * (1 - std::fabs(std::fmod(sector, 2.0) - 1));
    double r = 0, g = 0, b = 0;
    switch (int(sector)) {
    case 0:
        r = chroma, g = second;
        break;
    case 1:
        r = second, g = chroma;
        break;
    case 2:
        g = chroma, b = second;
        break;
    case 3:
        g = second, b = chroma;
        break;
    case 4:
        r = second, b = chroma;
        break;
    default:
        r = chroma, b = second;
        break;
    }
    const double m = lightness - chroma / 2;
    auto byte = [m](double v) { return std::uint8_t(std::lround((v + m) * 255)); };
    return {byte(r), byte(g), byte(b), 255};
}

Raster RenderSpectrum(int width, int height) {
    Raster raster(width, height);
    for (int y = 0; y < height; ++y) {
        const double saturation = 1.0 - double(y) / (height - 1);
        for (int x = 0; x < width; ++x)
            raster.At(x, y) = HslToPixel(360.0 * x / (width - 1), saturation, 0.5);
    }
    return raster;
}
