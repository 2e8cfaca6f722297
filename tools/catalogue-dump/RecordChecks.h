#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CatalogueFindings;
class TNPersistentData;

// Where a catalogue colour is written: its line and its texture attribute as written.
struct ColourSource {
    std::size_t line = 0;
    std::string texture;
};

// Checks of the colour records the add-on built, `sources[i]` being where catalogue.colours[i] is
// written: textures it cannot read or decode, and blank colours, which no chip shows.
void CheckColourRecords(const TNPersistentData& catalogue, const std::vector<ColourSource>& sources,
                        CatalogueFindings& findings);

// Checks of what the loaded catalogue offers: products with no colour to show, modes, surfaces
// and products that differ only in case or spaces, products that one label joins from different
// names and structures, a colour twice in a product, and mixing bases that cannot mix or are no
// base at all.
void CheckNavigation(const TNPersistentData& catalogue, const std::vector<ColourSource>& sources,
                     CatalogueFindings& findings);
