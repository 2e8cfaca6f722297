#include "catalogue/TNData.h"

#include "catalogue/AuxiliaryColorEntity.h"
#include "catalogue/ColourLab.h"
#include "catalogue/ColourMath.h"
#include "catalogue/TextureCache.h"

namespace {
TNData theStore;
} // namespace

TNData& GetTNData() {
    return theStore;
}

host::Result TNData::ReleaseCatalogue() {
    ForgetCatalogueColours();
    catalogue.reset();
    loaded = false; // a later Load reads the catalogue afresh
    return host::NoError;
}

void TNData::ReplaceCatalogue() {
    ForgetCatalogueColours();
    catalogue = std::make_unique<TNPersistentData>();
}

void TNData::ForgetCatalogueColours() {
    // These point into the catalogue and would dangle once it is gone.
    currentColour = nullptr;
    chosenColours.fill(nullptr);
    nearestColours.fill(nullptr);
}

ColorEntity* TNData::GetChosenColour(std::uint32_t index) const {
    return index < ChosenColourCount ? chosenColours[index] : nullptr;
}

ColorEntity* TNData::GetNearestColour(std::uint32_t index) const {
    return index < NearestColourCount ? nearestColours[index] : nullptr;
}

void TNData::SetCurrentColour(ColorEntity* colour) {
    // A catalogue colour that serves as mixing base is never current; a mixed colour may be.
    if (colour == nullptr || (colour->auxiliaryColourTable && !colour->mixed)) {
        return;
    }
    currentColour = colour;
    eventSource.FireCurrentColourChanged();
}

void TNData::SetChosenColour(std::uint32_t index, ColorEntity* colour) {
    if (index >= ChosenColourCount) {
        return;
    }
    chosenColours[index] = colour;
    eventSource.FireChosenColourChanged(index);
}

void TNData::SetNearestColour(std::uint32_t index, ColorEntity* colour, bool notify) {
    if (index >= NearestColourCount) {
        return;
    }
    nearestColours[index] = colour;
    if (notify) {
        eventSource.FirePickedColoursChanged();
    }
}

void TNData::SetSelectedSlot(std::int16_t index) {
    selectedSlot = index;
    eventSource.FireSelectedSlotChanged();
}

void TNData::SelectMode(const host::UniString& name) {
    if (catalogue == nullptr || !catalogue->modes.Contains(name)) {
        return;
    }
    mode = name;
    const host::StringSet surfaces = catalogue->GetSurfaces(mode);
    surface = surfaces.IsEmpty() ? host::UniString() : *surfaces.Get(0);
    const host::StringSet products = catalogue->GetProducts(mode, surface);
    product = products.IsEmpty() ? host::UniString() : *products.Get(0);
    eventSource.FireModeChanged();
    RevalidateViewMode();
}

void TNData::SelectSurface(const host::UniString& name) {
    if (catalogue == nullptr || !catalogue->GetSurfaces(mode).Contains(name)) {
        return;
    }
    surface = name;
    const host::StringSet products = catalogue->GetProducts(mode, surface);
    product = products.IsEmpty() ? host::UniString() : *products.Get(0);
    eventSource.FireSurfaceChanged();
    RevalidateViewMode();
}

void TNData::SelectProduct(const host::UniString& name) {
    if (catalogue == nullptr || !catalogue->GetProducts(mode, surface).Contains(name)) {
        return;
    }
    product = name;
    eventSource.FireProductChanged();
    RevalidateViewMode();
}

TNData::ProductOffer TNData::GetProductOffer() const {
    ProductOffer offer;
    if (catalogue != nullptr) {
        for (const ColorEntity* colour : catalogue->GetColours(mode, surface, product, false)) {
            offer.wheel = offer.wheel || colour->wheel;
        }
        offer.base = catalogue->FindMixingBase(mode, surface, product);
    }
    return offer;
}

TNData::ViewModeChoice TNData::EvaluateViewMode() const {
    const ProductOffer offer = GetProductOffer();
    std::int32_t next = ViewModeChips;
    if (viewMode == ViewModeChips) {
        next = offer.base != nullptr ? ViewModeMixing : (offer.wheel ? ViewModeWheel : ViewModeChips);
    }
    return {next, offer.IsAvailable()};
}

void TNData::ToggleViewMode(bool notify) {
    const ViewModeChoice choice = EvaluateViewMode();
    viewMode = choice.next;
    if (notify) {
        eventSource.FireViewModeChanged(choice.available);
    }
}

void TNData::RevalidateViewMode() {
    const ProductOffer offer = GetProductOffer();
    const bool valid = viewMode == ViewModeChips ||
                       (viewMode == ViewModeWheel && offer.wheel && offer.base == nullptr) ||
                       (viewMode == ViewModeMixing && offer.base != nullptr);
    if (valid) {
        eventSource.FireViewModeChanged(offer.IsAvailable());
    } else {
        ToggleViewMode(true);
    }
}

void TNData::NotifyAll() {
    eventSource.FireModeChanged();
    eventSource.FireCurrentColourChanged();
    eventSource.FireSelectedSlotChanged();
    eventSource.FireChosenColourChanged(0);
    RevalidateViewMode();
    eventSource.FirePickedColoursChanged();
}

void TNData::MixPickedColour(const RgbaColour& rgb) {
    const ColorEntity* base =
        catalogue != nullptr ? catalogue->FindMixingBase(mode, surface, product) : nullptr;
    if (base == nullptr) {
        return;
    }
    mixedColour.reset();
    const AuxiliaryColorEntity* aux = FindNearestAuxiliaryColour(rgb);
    if (aux != nullptr) {
        const RgbaColour& c = aux->colour;
        TextureCache baseTexture = TextureCache::Holding(*base);
        mixedColour = std::make_unique<ColorEntity>(base->mode, base->surface, base->name, base->description,
                                                    base->structure, aux->colourName, c.red, c.green, c.blue,
                                                    base->texture, false, base->remarks, c.red, c.green,
                                                    c.blue, base->auxiliaryColourTable, true, &baseTexture);
    }
    // Also without a tinting colour: observers must let go of the colour just deleted.
    eventSource.FirePickedColoursChanged();
}

const AuxiliaryColorEntity* TNData::FindNearestAuxiliaryColour(const RgbaColour& rgb) const {
    if (catalogue == nullptr) {
        return nullptr;
    }
    const ColourVector picked = LabOf(rgb);
    const AuxiliaryColorEntity* best = nullptr;
    double bestDistance = 0.0;
    for (const auto& aux : catalogue->auxiliaryColours) {
        if (aux == nullptr) {
            continue;
        }
        const double distance = DeltaE2000(picked, aux->lab);
        if (best == nullptr || distance < bestDistance) {
            best = aux.get();
            bestDistance = distance;
        }
    }
    return best;
}

void TNData::AdoptMixedColour() {
    if (mixedColour == nullptr || catalogue == nullptr) {
        return;
    }
    const ColorEntity& mixed = *mixedColour;
    const RgbaColour& c = mixed.colour;
    TextureCache mixedTexture = TextureCache::Holding(mixed);
    auto adopted = std::make_unique<ColorEntity>(host::UniString(), mixed.surface, mixed.name,
                                                 mixed.description, mixed.structure, mixed.colourName, c.red,
                                                 c.green, c.blue, mixed.texture, false, mixed.remarks, c.red,
                                                 c.green, c.blue, mixed.auxiliaryColourTable, true, &mixedTexture);
    ColorEntity* colour = adopted.get();
    catalogue->AddColour(std::move(adopted));
    SetCurrentColour(colour);
}
