#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class TextureKind {
    FinePlaster,
    CoarsePlaster,
    Granite,
    LayeredStone,
    Marble,
    Wood,
};

// What a texture looks like: its kind, the seed of its noise and two colours (the ground and the
// second material: grains, veins, bands or late wood).
struct TextureRecipe {
    TextureKind kind = TextureKind::FinePlaster;
    std::uint32_t seed = 1;
    Rgb ground;
    Rgb accent;
};

// `size` by `size` pixels, 3 bytes a pixel (red, green, blue), rows top to bottom. The texture
// tiles seamlessly and is the same for the same recipe and size on every run.
std::vector<std::uint8_t> SynthesiseTexture(const TextureRecipe& recipe, int size);

// The mean colour of pixels made by SynthesiseTexture.
Rgb MeanColour(const std::vector<std::uint8_t>& pixels);
