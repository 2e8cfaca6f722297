#pragma once

#include "CatalogueOutline.h"

#include <vector>

class CatalogueFindings;

// Checks of the catalogue's settings, the elements `settings` of `outline`: settings the add-on
// does not know, settings that a later one of the same name overrides, and colour amounts that
// are no fraction from 0 up to 1.
void CheckSettings(const CatalogueOutline& outline, const std::vector<std::size_t>& settings,
                   CatalogueFindings& findings);
