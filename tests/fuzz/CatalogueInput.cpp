#include "FuzzDataFolder.h"
#include "FuzzInputs.h"

#include "catalogue/ColourLab.h"
#include "catalogue/NearestColourSearch.h"
#include "catalogue/TNData.h"
#include "catalogue/TNResult.h"
#include "loading/ModuleLocation.h"

#include <vector>

namespace fuzzing {

namespace {

// Every product of the hand-made catalogues and of the sample is driven; one input stays quick.
constexpr std::size_t MaxProducts = 200;

std::string CheckColour(const ColorEntity& colour) {
    if (colour.blank != (!colour.hasColour && colour.textureImage == nullptr)) {
        return "a colour's blank flag disagrees with its solid colour and image";
    }
    if (colour.hasColour && colour.colour.alpha != 255) {
        return "a loaded solid colour is not opaque";
    }
    if (colour.textureImage != nullptr) {
        const int width = colour.textureImage->GetWidth();
        const int height = colour.textureImage->GetHeight();
        if (colour.textureData == nullptr) {
            return "a texture image without the bytes it was decoded from";
        }
        if (width < 1 || height < 1 || width > host::Image::MaxSide || height > host::Image::MaxSide) {
            return "a texture image beyond the size limits";
        }
    }
    return {};
}

// Every colour of the store's product becomes current and chosen; then the nearest colours are
// proposed and a colour is mixed and adopted, where the product offers that.
std::string DriveProduct(TNData& store) {
    const std::vector<ColorEntity*> colours =
        store.GetCatalogue()->GetColours(store.GetMode(), store.GetSurface(), store.GetProduct(), true);
    if (colours.empty()) {
        return "a product without colours";
    }
    std::uint32_t slot = 0;
    for (ColorEntity* colour : colours) {
        if (std::string problem = CheckColour(*colour); !problem.empty()) {
            return problem;
        }
        store.SetCurrentColour(colour);
        store.SetChosenColour(slot++ % ChosenColourCount, colour);
    }
    store.ToggleViewMode(true);
    ProposeNearestColours(store, LabOf(colours.front()->colour));
    store.MixPickedColour(colours.back()->colour);
    store.AdoptMixedColour();
    store.ToggleViewMode(true);
    return {};
}

// Walks every mode, surface and product, as the dialog's popups do; a failed load leaves a partial
// catalogue whose modes the popups still offer.
std::string DriveCatalogue(TNData& store) {
    const TNPersistentData& catalogue = *store.GetCatalogue();
    std::size_t products = 0;
    for (const host::UniString& mode : catalogue.GetModes()) {
        store.SelectMode(mode);
        for (const host::UniString& surface : catalogue.GetSurfaces(mode)) {
            store.SelectSurface(surface);
            for (const host::UniString& product : catalogue.GetProducts(mode, surface)) {
                if (++products > MaxProducts) {
                    return {};
                }
                store.SelectProduct(product);
                if (std::string problem = DriveProduct(store); !problem.empty()) {
                    return problem;
                }
            }
        }
    }
    return {};
}

} // namespace

std::string LoadCatalogue(const std::uint8_t* bytes, std::size_t size) {
    WriteDataFile("colours.xml", bytes, size);
    SetModulePath((GetDataFolder() / "libtarnova.so").string());
    TNData store;
    const host::Result result = store.Load();
    if (result != host::NoError && result != TNErrCannotRead) {
        return "loading answered " + std::to_string(result);
    }
    if (store.GetCatalogue() == nullptr) {
        return "loading left no catalogue";
    }
    if (result == host::NoError) {
        if (std::string problem = DriveProduct(store); !problem.empty()) {
            return "first product: " + problem;
        }
    } else if (!store.GetMode().IsEmpty()) {
        return "a failed load selected a mode";
    }
    std::string problem = DriveCatalogue(store);
    store.ReleaseCatalogue();
    return problem;
}

} // namespace fuzzing
