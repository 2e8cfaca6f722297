#pragma once

#include "catalogue/ColorEntity.h"
#include "catalogue/RgbaColour.h"
#include "catalogue/TNDataEventSource.h"
#include "catalogue/TNPersistentData.h"
#include "host/Result.h"
#include "host/UniString.h"

#include <array>
#include <cstdint>
#include <memory>

class AuxiliaryColorEntity;
class TNDialog;

// View modes of the dialog.
inline constexpr std::int32_t ViewModeChips = 0;
inline constexpr std::int32_t ViewModeWheel = 1;  // the three nearest colours of a picked colour
inline constexpr std::int32_t ViewModeMixing = 2; // a colour mixed from the tinting table

inline constexpr std::uint32_t ChosenColourCount = 5;
inline constexpr std::uint32_t NearestColourCount = 3;

// The add-on's one catalogue store: the loaded catalogue, the user's navigation and selection,
// and the events that announce every change. Operations that refuse their argument change
// nothing and fire nothing. Colour pointers other than `mixedColour` point into the catalogue.
class TNData {
public:
    TNData() = default;
    virtual ~TNData() = default;
    TNData(const TNData&) = delete;
    TNData& operator=(const TNData&) = delete;

    // The loading sequence: 0, a file library code, or TNErrCannotRead.
    host::Result Load();
    // Deletes the catalogue and forgets every colour that pointed into it.
    host::Result ReleaseCatalogue();

    TNPersistentData* GetCatalogue() const { return catalogue.get(); }
    TNDataEventSource& GetEventSource() { return eventSource; }
    host::UniString GetMode() const { return mode; }
    host::UniString GetSurface() const { return surface; }
    host::UniString GetProduct() const { return product; }
    ColorEntity* GetCurrentColour() const { return currentColour; }
    ColorEntity* GetChosenColour(std::uint32_t index) const;
    ColorEntity* GetNearestColour(std::uint32_t index) const;
    ColorEntity* GetMixedColour() const { return mixedColour.get(); }
    std::int16_t GetSelectedSlot() const { return selectedSlot; }
    std::int32_t GetViewMode() const { return viewMode; }
    bool IsLoaded() const { return loaded; }
    TNDialog* GetDialog() const { return dialog; }
    void SetDialog(TNDialog* running) { dialog = running; }

    void SetCurrentColour(ColorEntity* colour);
    void SetChosenColour(std::uint32_t index, ColorEntity* colour);
    void SetNearestColour(std::uint32_t index, ColorEntity* colour, bool notify);
    void SetSelectedSlot(std::int16_t index);

    void SelectMode(const host::UniString& name);
    void SelectSurface(const host::UniString& name);
    void SelectProduct(const host::UniString& name);

    void ToggleViewMode(bool notify);
    void RevalidateViewMode();
    // Fires every notification once, so that a new observer can fill itself from the store.
    void NotifyAll();

    // Builds the mixed colour from the product's mixing base and the tinting colour nearest to
    // `rgb` (alpha is ignored).
    void MixPickedColour(const RgbaColour& rgb);
    const AuxiliaryColorEntity* FindNearestAuxiliaryColour(const RgbaColour& rgb) const;
    // Adds a copy of the mixed colour to the catalogue and makes it the current colour.
    void AdoptMixedColour();

private:
    struct ViewModeChoice {
        std::int32_t next;
        bool available;
    };
    // What the current product offers besides its chips.
    struct ProductOffer {
        bool wheel = false;
        const ColorEntity* base = nullptr; // the mixing base
        bool IsAvailable() const { return wheel || base != nullptr; }
    };
    ProductOffer GetProductOffer() const;
    ViewModeChoice EvaluateViewMode() const;
    // A fresh, empty catalogue in place of the old one, whose colours are forgotten.
    void ReplaceCatalogue();
    void ForgetCatalogueColours();
    host::Result SelectFirstProduct();

    std::unique_ptr<TNPersistentData> catalogue;
    host::UniString mode;
    host::UniString surface;
    host::UniString product;
    ColorEntity* currentColour = nullptr;
    std::array<ColorEntity*, ChosenColourCount> chosenColours{};
    std::array<ColorEntity*, NearestColourCount> nearestColours{};
    std::unique_ptr<ColorEntity> mixedColour;
    std::int16_t selectedSlot = 0;
    std::int32_t viewMode = ViewModeChips;
    TNDialog* dialog = nullptr;
    bool loaded = false;
    TNDataEventSource eventSource;
};

// The store of this library.
TNData& GetTNData();
