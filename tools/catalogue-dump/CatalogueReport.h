#pragma once

#include <cstdint>
#include <string>

class TNData;
class TNPersistentData;

// Printing what a loaded catalogue offers, for tncatalogue.

// Modes, surfaces, products with their colour counts, tinting colours and settings.
void PrintOverview(const TNPersistentData& catalogue);
// The colours of the store's current product, in the order the chip grid shows them.
void PrintProductColours(const TNData& store);
// The three colours of the current product nearest to an RGB colour, as the wheel proposes them.
void PrintNearestColours(TNData& store, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// The colour mixed for an RGB colour on the current product; false when it has no mixing base.
bool PrintMixedColour(TNData& store, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
