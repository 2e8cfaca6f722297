#pragma once

#include "CatalogueFindings.h"

#include <cstddef>
#include <filesystem>

// What checking a catalogue file found.
struct CatalogueCheck {
    // Whether the add-on loads the catalogue.
    bool loads = false;
    CatalogueFindings findings;
    std::size_t colours = 0;
    std::size_t products = 0;
    std::size_t auxiliaryColours = 0;
};

// Loads the catalogue file `file` with the add-on's own parser, as the add-on loads it, and reports
// with line numbers what makes the load fail and what the add-on accepts but drops, cuts or reads
// otherwise than written. Xerces-C must be initialised.
CatalogueCheck CheckCatalogue(const std::filesystem::path& file);
