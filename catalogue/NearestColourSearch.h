#pragma once

#include "catalogue/ColourMath.h"

class ColorEntity;
class TNData;

// One candidate of the nearest-colour search.
struct WeightedColorEntity {
    double distance = 0.0; // CIEDE2000 to the picked colour
    ColorEntity* colour = nullptr;
};

// Puts the current product's colours nearest to `pickedLab` into the store's three nearest-colour
// slots, announcing the change once. Colours shown only by their texture take no part; with
// fewer than three candidates the remaining slots keep what they held.
void ProposeNearestColours(TNData& store, const ColourVector& pickedLab);
void ProposeNearestColours(const ColourVector& pickedLab);
