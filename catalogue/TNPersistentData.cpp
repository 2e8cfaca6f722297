#include "catalogue/TNPersistentData.h"

namespace {

bool IsNavigable(const std::unique_ptr<ColorEntity>& colour) {
    return colour != nullptr && !colour->mixed;
}

} // namespace

host::StringSet TNPersistentData::GetSurfaces(const host::UniString& mode) const {
    host::StringSet surfaces;
    for (const auto& colour : colours) {
        if (IsNavigable(colour) && colour->mode == mode) {
            surfaces.Add(colour->surface);
        }
    }
    return surfaces;
}

host::StringSet TNPersistentData::GetProducts(const host::UniString& mode,
                                              const host::UniString& surface) const {
    host::StringSet products;
    for (const auto& colour : colours) {
        if (IsNavigable(colour) && colour->mode == mode && colour->surface == surface) {
            products.Add(GetProductLabel(*colour));
        }
    }
    return products;
}

template <typename Visit>
void TNPersistentData::VisitProduct(const host::UniString& mode, const host::UniString& surface,
                                    const host::UniString& product, Visit&& visit) const {
    for (const auto& colour : colours) {
        if (IsNavigable(colour) && colour->mode == mode && colour->surface == surface &&
            HasProductLabel(*colour, product) && !visit(colour.get())) {
            return;
        }
    }
}

std::vector<ColorEntity*> TNPersistentData::GetColours(const host::UniString& mode,
                                                       const host::UniString& surface,
                                                       const host::UniString& product,
                                                       bool includeBlank) const {
    std::vector<ColorEntity*> found;
    VisitProduct(mode, surface, product, [&](ColorEntity* colour) {
        if (includeBlank || !colour->blank) {
            found.push_back(colour);
        }
        return true;
    });
    return found;
}

ColorEntity* TNPersistentData::FindMixingBase(const host::UniString& mode, const host::UniString& surface,
                                              const host::UniString& product) const {
    ColorEntity* base = nullptr;
    VisitProduct(mode, surface, product, [&](ColorEntity* colour) {
        if (colour->auxiliaryColourTable) {
            base = colour;
        }
        return base == nullptr;
    });
    return base;
}

void TNPersistentData::AddColour(std::unique_ptr<ColorEntity> colour) {
    if (colour != nullptr) {
        colours.push_back(std::move(colour));
    }
}
