#pragma once

#include "loading/CatalogueElement.h"

#include <string>

class TNPersistentData;

namespace host {
class FileLocation;
}

// Reads the catalogue file at `location` (colours.xml) into the fresh `catalogue`: its colours,
// modes, auxiliary colours, web link and largest group, and the module's colour amount. A missing
// or unopenable file is no failure: the catalogue stays empty and the answer is true. On failure
// the answer is false, the records read before it stay in the catalogue, `problem` (when given)
// says what went wrong and `element` (when given) which element it went wrong on, if any.
// Xerces-C must be initialised.
bool ParseCatalogueFile(TNPersistentData& catalogue, const host::FileLocation& location,
                        std::string* problem = nullptr, CatalogueElement* element = nullptr);
