#include "catalogue/NearestColourSearch.h"

#include "catalogue/TNData.h"

#include <algorithm>
#include <vector>

void ProposeNearestColours(TNData& store, const ColourVector& pickedLab) {
    const TNPersistentData* catalogue = store.GetCatalogue();
    if (catalogue == nullptr) {
        return;
    }
    std::vector<WeightedColorEntity> distances;
    for (ColorEntity* candidate :
         catalogue->GetColours(store.GetMode(), store.GetSurface(), store.GetProduct(), false)) {
        if (candidate->hasColour) {
            distances.push_back({DeltaE2000(pickedLab, candidate->lab), candidate});
        }
    }
    // Only the three nearest are used, so a partial sort does.
    const std::size_t n = std::min<std::size_t>(distances.size(), NearestColourCount);
    std::partial_sort(
        distances.begin(), distances.begin() + static_cast<std::ptrdiff_t>(n), distances.end(),
        [](const WeightedColorEntity& a, const WeightedColorEntity& b) { return a.distance < b.distance; });
    for (std::size_t i = 0; i < n; ++i) {
        store.SetNearestColour(static_cast<std::uint32_t>(i), distances[i].colour, i + 1 == n);
    }
}

void ProposeNearestColours(const ColourVector& pickedLab) {
    ProposeNearestColours(GetTNData(), pickedLab);
}
