#include "tools/catgen/TextureSynthesis.h"

#include "tools/catgen/ValueNoise.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace {

struct Shade {
    double red;
    double green;
    double blue;
};

Shade Blend(const Rgb& a, const Rgb& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t, a.blue + (b.blue - a.blue) * t};
}

Shade Scale(Shade s, double factor) {
    return {s.red * factor, s.green * factor, s.blue * factor};
}

std::uint8_t ToByte(double v) {
    return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
}

// Each function gives the colour at (u, v) in the unit square; `fine` is the lattice size of the
// finest detail, proportional to the texture's size so that grain stays a few pixels wide.

Shade Plaster(const ValueNoise& noise, const TextureRecipe& r, double u, double v, int fine, bool coarse) {
    const double cloud = noise.Fractal(u, v, 4, 4, 5);
    const double grain = noise.Sample(u, v, fine, fine, 101);
    const double pits = noise.Fractal(u, v, fine / 4, fine / 4, 2, 0.6);
    double light = 1.0 + 0.10 * (cloud - 0.5) + (coarse ? 0.22 : 0.10) * (grain - 0.5);
    const double pitThreshold = coarse ? 0.70 : 0.76;
    if (pits > pitThreshold)
        light -= (coarse ? 2.5 : 1.5) * (pits - pitThreshold);
    return Scale(Blend(r.ground, r.accent, cloud * 0.6), light);
}

Shade Granite(const ValueNoise& noise, const TextureRecipe& r, double u, double v, int fine) {
    const double mottle = noise.Fractal(u, v, 3, 3, 4);
    const double crystals = noise.Fractal(u, v, fine / 2, fine / 2, 2, 0.35);
    const double sparkle = noise.Sample(u, v, fine, fine, 202);
    Shade s = Blend(r.ground, r.accent, mottle * 0.5);
    if (crystals > 0.63)
        s = Blend(r.accent, Rgb{24, 24, 26}, (crystals - 0.63) * 3.0);
    else if (crystals < 0.37)
        s = Blend(r.ground, Rgb{245, 242, 236}, (0.37 - crystals) * 3.0 + 0.2);
    return Scale(s, 0.92 + 0.16 * sparkle);
}

Shade LayeredStone(const ValueNoise& noise, const TextureRecipe& r, double u, double v, int fine) {
    constexpr double layers = 7.0;
    const double warp = noise.Fractal(u, v, 3, 3, 4) - 0.5;
    const double band = 0.5 + 0.5 * std::sin(2.0 * std::numbers::pi * (layers * v + 1.6 * warp));
    const double grain = noise.Sample(u, v, fine, fine, 303);
    const double holes = noise.Fractal(u, v, fine / 6, fine / 2, 2, 0.5);
    Shade s = Blend(r.ground, r.accent, std::pow(band, 2.0));
    double light = 0.94 + 0.12 * grain;
    if (holes > 0.72)
        light -= 2.0 * (holes - 0.72);
    return Scale(s, light);
}

Shade Marble(const ValueNoise& noise, const TextureRecipe& r, double u, double v, int fine) {
    const double turbulence = noise.Fractal(u, v, 4, 4, 6, 0.55);
    const double vein = std::fabs(std::sin(std::numbers::pi * (2.0 * (u + v) + 5.0 * turbulence)));
    const double cloud = noise.Fractal(u, v, 2, 2, 3);
    const double grain = noise.Sample(u, v, fine, fine, 404);
    Shade s = Blend(r.accent, r.ground, std::pow(vein, 0.25));
    return Scale(s, 0.95 + 0.08 * cloud + 0.04 * grain);
}

Shade Wood(const ValueNoise& noise, const TextureRecipe& r, double u, double v, int fine) {
    constexpr double rings = 9.0;
    const double warp = noise.Fractal(u, v, 2, 3, 4);
    const double ring = rings * u + 2.2 * warp;
    const double lateWood = std::pow(ring - std::floor(ring), 4.0);
    const double fibres = noise.Fractal(u, v, fine, 4, 3, 0.5);
    Shade s = Blend(r.ground, r.accent, 0.75 * lateWood + 0.35 * (fibres - 0.3));
    return Scale(s, 0.96 + 0.08 * noise.Sample(u, v, fine, fine / 8, 505));
}

} // namespace

std::vector<std::uint8_t> SynthesiseTexture(const TextureRecipe& recipe, int size) {
    if (size <= 0)
        return {};
    const ValueNoise noise(recipe.seed);
    const int fine = std::max(8, size / 3);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 3);
    std::size_t at = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double u = (x + 0.5) / size;
            const double v = (y + 0.5) / size;
            Shade s{};
            switch (recipe.kind) {
            case TextureKind::FinePlaster:
                s = Plaster(noise, recipe, u, v, fine, false);
                break;
            case TextureKind::CoarsePlaster:
                s = Plaster(noise, recipe, u, v, fine, true);
                break;
            case TextureKind::Granite:
                s = Granite(noise, recipe, u, v, fine);
                break;
            case TextureKind::LayeredStone:
                s = LayeredStone(noise, recipe, u, v, fine);
                break;
            case TextureKind::Marble:
                s = Marble(noise, recipe, u, v, fine);
                break;
            case TextureKind::Wood:
                s = Wood(noise, recipe, u, v, fine);
                break;
            }
            pixels[at++] = ToByte(s.red);
            pixels[at++] = ToByte(s.green);
            pixels[at++] = ToByte(s.blue);
        }
    }
    return pixels;
}

Rgb MeanColour(const std::vector<std::uint8_t>& pixels) {
    const std::size_t count = pixels.size() / 3;
    if (count == 0)
        return {};
    std::uint64_t sums[3] = {0, 0, 0};
    for (std::size_t i = 0; i < count * 3; ++i)
        sums[i % 3] += pixels[i];
    return {static_cast<std::uint8_t>(sums[0] / count), static_cast<std::uint8_t>(sums[1] / count),
            static_cast<std::uint8_t>(sums[2] / count)};
}
