#pragma once

#include "CatalogueOutline.h"

class CatalogueFindings;

// Checks of the values written in one element of the catalogue: attributes the add-on needs and
// does not find (errors), values it cuts, clamps, wraps or takes for something else than written
// (warnings), and attributes it does not read (notes). With `failed` set, the element is the one
// the load failed on, whose missing attribute the caller reports itself.

// A catalogue colour.
void CheckColourValues(const CatalogueOutline::Element& element, bool failed, CatalogueFindings& findings);
// A colour of the tinting table.
void CheckAuxiliaryColourValues(const CatalogueOutline::Element& element, bool failed,
                                CatalogueFindings& findings);
// A setting; what its name and value mean is left to the settings check.
void CheckSettingValues(const CatalogueOutline::Element& element, bool failed, CatalogueFindings& findings);
