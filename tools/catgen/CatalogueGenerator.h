#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Shape of a synthetic catalogue: `colours` colours in products of `productSize` colours, products
// grouped into surfaces and surfaces into modes; `textures` distinct JPEG textures of
// `textureSize` pixels square, used by the colours in turn (none when 0).
struct SyntheticOptions {
    int colours = 1000;
    int textures = 0;
    int textureSize = 512;
    int productSize = 50;
    int productsPerSurface = 4;
    int surfacesPerMode = 4;
    // Every colour is a wheel colour.
    bool wheel = false;
    // The first colour of every product is its mixing base.
    bool mixingBase = false;
    int auxiliaryColours = 48;
    std::uint32_t seed = 1;
};

// Limits that keep a synthetic catalogue loadable: channel and group counts fit 16 bits, textures
// stay within what the platform decodes.
inline constexpr int MaxSyntheticColours = 10'000'000;
inline constexpr int MaxSyntheticTextures = 100'000;
inline constexpr int MaxTextureSize = 4096;
inline constexpr int MaxProductSize = 32767;

// Empty when the options are usable, otherwise what is wrong with them.
std::string CheckSyntheticOptions(const SyntheticOptions& options);

// The bundled sample catalogue: colours.xml and its textures, written into `folder` (created when
// missing). The same bytes on every run. Throws std::runtime_error when a file cannot be written.
void WriteSampleCatalogue(const std::filesystem::path& folder);

// A generated catalogue for tests and benchmarks, the same bytes for the same options. Throws
// std::invalid_argument for options CheckSyntheticOptions refuses and std::runtime_error when a
// file cannot be written.
void WriteSyntheticCatalogue(const std::filesystem::path& folder, const SyntheticOptions& options);
