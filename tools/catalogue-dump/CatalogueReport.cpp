#include "CatalogueReport.h"

#include "catalogue/ColourLab.h"
#include "catalogue/NearestColourSearch.h"
#include "catalogue/TNData.h"
#include "loading/ColourAmount.h"

#include <cstdio>

namespace {

void PrintColour(const char* indent, const ColorEntity& colour) {
    std::printf("%s%s", indent, colour.GetFullName().ToCString());
    if (colour.hasColour) {
        std::printf("  rgb %d, %d, %d", colour.colour.red, colour.colour.green, colour.colour.blue);
    }
    if (colour.textureImage != nullptr) {
        host::UniString path;
        colour.texture.GetPathString(path);
        std::printf("  texture %s", path.ToCString());
    }
    if (colour.wheel) {
        std::printf("  wheel");
    }
    std::printf("\n");
}

} // namespace

void PrintOverview(const TNPersistentData& catalogue) {
    std::printf("%zu colours\n", catalogue.colours.size());
    for (const host::UniString& mode : catalogue.GetModes()) {
        std::printf("mode \"%s\"\n", mode.ToCString());
        for (const host::UniString& surface : catalogue.GetSurfaces(mode)) {
            std::printf("  surface \"%s\"\n", surface.ToCString());
            for (const host::UniString& product : catalogue.GetProducts(mode, surface)) {
                const std::size_t all = catalogue.GetColours(mode, surface, product, true).size();
                const std::size_t shown = catalogue.GetColours(mode, surface, product, false).size();
                const ColorEntity* base = catalogue.FindMixingBase(mode, surface, product);
                std::printf("    product \"%s\": %zu colours, %zu blank%s\n", product.ToCString(), all,
                            all - shown, base != nullptr ? ", mixing" : "");
            }
        }
    }
    std::printf("auxiliary colours: %zu\n", catalogue.auxiliaryColours.size());
    for (const auto& auxiliary : catalogue.auxiliaryColours) {
        std::printf("  \"%s\" %d, %d, %d\n", auxiliary->colourName.ToCString(), auxiliary->colour.red,
                    auxiliary->colour.green, auxiliary->colour.blue);
    }
    std::printf("web link: \"%s\"\n", catalogue.GetWebLink().ToCString());
    std::printf("colour amount: %d\n", colourAmount);
    std::printf("largest group: %d\n", catalogue.GetLargestGroup());
}

void PrintProductColours(const TNData& store) {
    const auto colours =
        store.GetCatalogue()->GetColours(store.GetMode(), store.GetSurface(), store.GetProduct(), false);
    std::printf("%zu colours of \"%s\"\n", colours.size(), store.GetProduct().ToCString());
    for (const ColorEntity* colour : colours) {
        PrintColour("  ", *colour);
    }
}

void PrintNearestColours(TNData& store, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    ProposeNearestColours(store, LabOf({red, green, blue, 255, 0}));
    std::printf("nearest to %d, %d, %d:\n", red, green, blue);
    for (std::uint32_t slot = 0; slot < NearestColourCount; ++slot) {
        if (const ColorEntity* colour = store.GetNearestColour(slot)) {
            std::printf("  %u. ", slot + 1);
            PrintColour("", *colour);
        }
    }
}

bool PrintMixedColour(TNData& store, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (store.GetCatalogue()->FindMixingBase(store.GetMode(), store.GetSurface(), store.GetProduct()) ==
        nullptr) {
        return false;
    }
    store.MixPickedColour({red, green, blue, 255, 0});
    std::printf("mixed for %d, %d, %d: ", red, green, blue);
    if (const ColorEntity* mixed = store.GetMixedColour()) {
        PrintColour("", *mixed);
    } else {
        std::printf("nothing (the catalogue has no tinting colours)\n");
    }
    return true;
}
