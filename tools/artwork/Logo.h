#pragma once

#include "Raster.h"

#include <cairo.h>

// The brand's mark: a fan of three paint chips and a white "T" on a blue tile, `size` pixels
// square with its top-left corner at the context's origin.
void DrawLogo(cairo_t* cr, double size);

Raster RenderLogo(int size);
