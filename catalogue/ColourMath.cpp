// Formulas: sRGB transfer function and sRGB-to-XYZ matrix from IEC 61966-2-1:1999; XYZ to
// L*a*b* from CIE 15:2004 (with the exact constants 216/24389 and 24389/27); CIEDE2000 as set out
// in G. Sharma, W. Wu, E. N. Dalal, "The CIEDE2000 Color-Difference Formula: Implementation Notes,
// Supplementary Test Data, and Mathematical Observations", Color Res. Appl. 30(1), 2005; HSL to RGB
// after Foley and van Dam, "Computer Graphics: Principles and Practice".
#include "catalogue/ColourMath.h"

#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;
constexpr double twentyFiveToTheSeventh = 6103515625.0;

double Linearise(double channel) {
    const double x = channel / 255.0;
    if (x <= 0.04045)
        return x / 12.92;
    return std::pow((x + 0.055) / 1.055, 2.4);
}

double LabCompand(double t) {
    if (t > 0.008856451679035631)
        return std::pow(t, 0.3333333333333333);
    return (t * 903.2962962962963 + 16.0) / 116.0;
}

double SeventhPowerRatio(double c) {
    const double c7 = std::pow(c, 7.0);
    return std::sqrt(c7 / (c7 + twentyFiveToTheSeventh));
}

double Hue(double b, double aPrime) {
    const double h = std::atan2(b, aPrime);
    return h < 0.0 ? h + twoPi : h;
}

// Inputs outside 0..1 (or NaN) would make the conversion to 8 bits undefined; they saturate.
std::uint8_t ToChannel(double v) {
    const double scaled = v * 255.0;
    if (!(scaled > 0.0))
        return 0;
    if (scaled >= 255.0)
        return 255;
    return static_cast<std::uint8_t>(scaled);
}

double HueChannel(double p, double q, double h) {
    if (h > 360.0)
        h -= 360.0;
    else if (h < 0.0)
        h += 360.0;
    if (h < 60.0)
        return p + (q - p) * h / 60.0;
    if (h < 180.0)
        return q;
    if (h < 240.0)
        return p + (q - p) * (240.0 - h) / 60.0;
    return p;
}

} // namespace

ColourVector SrgbToXyz(const ColourVector& rgb) {
    const double r = Linearise(rgb.x);
    const double g = Linearise(rgb.y);
    const double b = Linearise(rgb.z);
    return {0.4124 * r + 0.3576 * g + 0.1805 * b, 0.2126 * r + 0.7152 * g + 0.0722 * b,
            0.0193 * r + 0.1192 * g + 0.9505 * b};
}

ColourVector XyzToLab(const ColourVector& xyz, const ColourVector& white) {
    const double fx = LabCompand(xyz.x / white.x);
    const double fy = LabCompand(xyz.y / white.y);
    const double fz = LabCompand(xyz.z / white.z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double DeltaE2000(const ColourVector& reference, const ColourVector& sample) {
    const double l1 = reference.x, a1 = reference.y, b1 = reference.z;
    const double l2 = sample.x, a2 = sample.y, b2 = sample.z;

    const double c1 = std::sqrt(a1 * a1 + b1 * b1);
    const double c2 = std::sqrt(a2 * a2 + b2 * b2);
    const double g = 0.5 * (1.0 - SeventhPowerRatio((c1 + c2) / 2.0));

    const double a1Prime = (1.0 + g) * a1;
    const double a2Prime = (1.0 + g) * a2;
    const double c1Prime = std::sqrt(a1Prime * a1Prime + b1 * b1);
    const double c2Prime = std::sqrt(a2Prime * a2Prime + b2 * b2);
    const double h1Prime = Hue(b1, a1Prime);
    const double h2Prime = Hue(b2, a2Prime);

    double meanHue = (h1Prime + h2Prime) / 2.0;
    if (std::fabs(h1Prime - h2Prime) > pi)
        meanHue = (h1Prime + h2Prime + twoPi) / 2.0;

    const double t = 1.0 - 0.17 * std::cos(meanHue - 0.5235987755982988) + 0.24 * std::cos(2.0 * meanHue) +
                     0.32 * std::cos(3.0 * meanHue + 0.10471975511965977) -
                     0.2 * std::cos(4.0 * meanHue - 1.0995574287564276);

    double hueDifference = h2Prime - h1Prime;
    if (hueDifference > pi)
        hueDifference -= twoPi;
    else if (hueDifference < -pi)
        hueDifference += twoPi;

    const double deltaL = l2 - l1;
    const double deltaC = c2Prime - c1Prime;
    const double deltaH = 2.0 * std::sqrt(c1Prime * c2Prime) * std::sin(hueDifference / 2.0);

    const double meanL = (l1 + l2) / 2.0;
    const double meanC = (c1Prime + c2Prime) / 2.0;
    const double lOffset = (meanL - 50.0) * (meanL - 50.0);
    const double sl = 1.0 + 0.015 * lOffset / std::sqrt(20.0 + lOffset);
    const double sc = 1.0 + 0.045 * meanC;
    const double sh = 1.0 + 0.015 * meanC * t;

    // (meanHue - 275 deg) / 25 deg, in radians on both sides.
    const double hueOffset = (meanHue - 4.799655442984406) / 0.4363323129985824;
    const double deltaTheta = 0.5235987755982988 * std::exp(-hueOffset * hueOffset);
    const double rt = -2.0 * SeventhPowerRatio(meanC) * std::sin(2.0 * deltaTheta);

    const double lTerm = deltaL / sl;
    const double cTerm = deltaC / sc;
    const double hTerm = deltaH / sh;
    return std::sqrt(lTerm * lTerm + cTerm * cTerm + hTerm * hTerm + rt * cTerm * hTerm);
}

RgbChannels HslToRgb(const HslColour& hsl) {
    if (hsl.saturation == 0.0) {
        const std::uint8_t grey = ToChannel(hsl.lightness);
        return {grey, grey, grey};
    }
    const double q = hsl.lightness <= 0.5 ? hsl.lightness * (1.0 + hsl.saturation)
                                          : hsl.lightness + hsl.saturation - hsl.lightness * hsl.saturation;
    const double p = 2.0 * hsl.lightness - q;
    return {ToChannel(HueChannel(p, q, hsl.hue + 120.0)), ToChannel(HueChannel(p, q, hsl.hue)),
            ToChannel(HueChannel(p, q, hsl.hue - 120.0))};
}
