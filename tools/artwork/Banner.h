#pragma once

#include "Raster.h"

// The brand banner: the "Tarnova" wordmark and the slogan on a band running from white to blue,
// with the brand's mark on the blue end.
Raster RenderBanner(int width, int height);
