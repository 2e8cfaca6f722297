#pragma once

#include "loading/CatalogueElement.h"

#include <cstdint>
#include <string>

class TNPersistentData;

namespace host {
class FileLocation;
}

// Catalogue files longer than this fail the load unread: their DOM tree takes some twenty times
// their length in memory, and up to ninety times for files of nothing but small nested elements.
// Real catalogues are a few megabytes at most.
inline constexpr std::uint64_t MaxCatalogueFileLength = std::uint64_t(32) << 20;

// Reads the catalogue file at `location` (colours.xml) into the fresh `catalogue`: its colours,
// modes, auxiliary colours, web link and largest group, and the module's colour amount. A missing
// or unopenable file is no failure: the catalogue stays empty and the answer is true. On failure
// the answer is false, the records read before it stay in the catalogue, `problem` (when given)
// says what went wrong and `element` (when given) which element it went wrong on, if any.
// Xerces-C must be initialised.
bool ParseCatalogueFile(TNPersistentData& catalogue, const host::FileLocation& location,
                        std::string* problem = nullptr, CatalogueElement* element = nullptr);
