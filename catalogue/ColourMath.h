#pragma once

#include <cstdint>

// Three 64-bit components: an RGB colour (0 to 255 per channel), an XYZ colour or a Lab colour,
// always in that order.
struct ColourVector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend bool operator==(const ColourVector&, const ColourVector&) = default;
};

// Hue in degrees (0 to 360), lightness and saturation (0 to 1).
struct HslColour {
    double hue = 0.0;
    double lightness = 0.0;
    double saturation = 0.0;

    friend bool operator==(const HslColour&, const HslColour&) = default;
};

struct RgbChannels {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const RgbChannels&, const RgbChannels&) = default;
};

// D65 white of the 10 degree observer, Y scaled to 1.
inline constexpr ColourVector ReferenceWhite{0.94811, 1.0, 1.07304};

// Linear sRGB of an 8-bit colour to XYZ, unscaled: white gives Y = 1.
ColourVector SrgbToXyz(const ColourVector& rgb);

ColourVector XyzToLab(const ColourVector& xyz, const ColourVector& white);

// CIEDE2000 difference with kL = kC = kH = 1.
double DeltaE2000(const ColourVector& reference, const ColourVector& sample);

RgbChannels HslToRgb(const HslColour& hsl);
