#pragma once

#include "catalogue/AuxiliaryColorEntity.h"
#include "catalogue/ColorEntity.h"
#include "host/StringSet.h"
#include "host/UniString.h"

#include <cstdint>
#include <memory>
#include <vector>

// The loaded catalogue and its navigation queries. Queries walk the colours in order and skip
// null entries and mixed colours; strings compare exactly. "First" in any answer means first in
// catalogue file order.
class TNPersistentData {
public:
    TNPersistentData() = default;
    virtual ~TNPersistentData() = default;
    TNPersistentData(const TNPersistentData&) = delete;
    TNPersistentData& operator=(const TNPersistentData&) = delete;

    host::StringSet GetModes() const { return modes; }
    host::StringSet GetSurfaces(const host::UniString& mode) const;
    // Product labels (GetProductLabel) of the surface's colours.
    host::StringSet GetProducts(const host::UniString& mode, const host::UniString& surface) const;
    // The product's colours, not owned; blank ones only when `includeBlank` is set.
    std::vector<ColorEntity*> GetColours(const host::UniString& mode, const host::UniString& surface,
                                         const host::UniString& product, bool includeBlank) const;
    // The product's first colour with `auxiliaryColourTable` set, blank or not; null when none.
    ColorEntity* FindMixingBase(const host::UniString& mode, const host::UniString& surface,
                                const host::UniString& product) const;

    // Takes ownership; a null colour is ignored.
    void AddColour(std::unique_ptr<ColorEntity> colour);

    std::int16_t GetLargestGroup() const { return largestGroup; }
    host::UniString GetWebLink() const { return webLink; }

    std::vector<std::unique_ptr<ColorEntity>> colours;
    std::vector<std::unique_ptr<AuxiliaryColorEntity>> auxiliaryColours;
    std::int16_t largestGroup = 0;
    host::StringSet modes;
    host::UniString webLink;

private:
    // Calls `visit` with every navigable colour of the product, in order, until it returns false.
    template <typename Visit>
    void VisitProduct(const host::UniString& mode, const host::UniString& surface,
                      const host::UniString& product, Visit&& visit) const;
};
