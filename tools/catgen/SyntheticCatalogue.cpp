#include "tools/catgen/CatalogueGenerator.h"

#include "tools/catgen/CatalogueDocument.h"
#include "tools/catgen/CatalogueFolder.h"

#include <cstdio>
#include <stdexcept>

namespace {

// SplitMix64: a small generator whose sequence is fixed by its seed on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    std::uint8_t Byte() { return static_cast<std::uint8_t>(Next() >> 56); }
    Rgb Colour() { return {Byte(), Byte(), Byte()}; }

private:
    std::uint64_t state;
};

constexpr TextureKind textureKinds[] = {TextureKind::FinePlaster, TextureKind::Granite,
                                        TextureKind::Wood,        TextureKind::CoarsePlaster,
                                        TextureKind::Marble,      TextureKind::LayeredStone};

std::string TexturePath(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "textures/szint_%05d.jpg", index + 1);
    return name;
}

std::string Numbered(const char* prefix, int index) {
    return prefix + std::to_string(index + 1);
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

} // namespace

std::string CheckSyntheticOptions(const SyntheticOptions& o) {
    if (!InRange(o.colours, 0, MaxSyntheticColours))
        return "the number of colours must lie between 0 and " + std::to_string(MaxSyntheticColours);
    if (!InRange(o.textures, 0, MaxSyntheticTextures))
        return "the number of textures must lie between 0 and " + std::to_string(MaxSyntheticTextures);
    if (!InRange(o.textureSize, 1, MaxTextureSize))
        return "the texture size must lie between 1 and " + std::to_string(MaxTextureSize);
    if (!InRange(o.productSize, 1, MaxProductSize))
        return "the product size must lie between 1 and " + std::to_string(MaxProductSize);
    if (o.productsPerSurface < 1 || o.surfacesPerMode < 1)
        return "every surface needs a product and every mode a surface";
    if (!InRange(o.auxiliaryColours, 0, MaxSyntheticColours))
        return "the number of auxiliary colours must lie between 0 and " +
               std::to_string(MaxSyntheticColours);
    return {};
}

void WriteSyntheticCatalogue(const std::filesystem::path& folder, const SyntheticOptions& options) {
    if (const std::string problem = CheckSyntheticOptions(options); !problem.empty())
        throw std::invalid_argument(problem);

    const CatalogueFolder out(folder);
    Random random(options.seed);
    for (int t = 0; t < options.textures; ++t) {
        const TextureRecipe recipe{textureKinds[t % std::size(textureKinds)],
                                   static_cast<std::uint32_t>(random.Next()), random.Colour(),
                                   random.Colour()};
        out.WriteTexture(TexturePath(t), recipe, options.textureSize);
    }

    CatalogueDocument document;
    for (int i = 0; i < options.colours; ++i) {
        const int product = i / options.productSize;
        const int surface = product / options.productsPerSurface;
        const int mode = surface / options.surfacesPerMode;
        const Rgb rgb = random.Colour();
        document.AddColour(
            {.mode = Numbered("Mód ", mode),
             .surface = Numbered("Felület ", surface),
             .name = Numbered("Termék ", product),
             .description = "Generált katalógus",
             .structure = "matt",
             .colourName = Numbered("Szín ", i),
             .red = rgb.red,
             .green = rgb.green,
             .blue = rgb.blue,
             .texture = options.textures > 0 ? TexturePath(i % options.textures) : std::string(),
             .wheel = options.wheel,
             .remarks = "Tesztekhez generált szín",
             .auxiliaryColourTable = options.mixingBase && i % options.productSize == 0});
    }
    for (int i = 0; i < options.auxiliaryColours; ++i) {
        const Rgb rgb = random.Colour();
        document.AddAuxiliaryColour({Numbered("Keverőszín ", i), rgb.red, rgb.green, rgb.blue});
    }
    document.AddSetting("weblink", "https://www.tarnova.example/szinek");
    document.AddSetting("colourmixer.amountofcolour", "0.6");
    out.WriteCatalogue(document);
}
