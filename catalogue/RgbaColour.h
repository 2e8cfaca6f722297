#pragma once

#include "host/Colour.h"

// A catalogue colour value: red, green, blue and alpha (255 opaque), held in the drawing library's
// colour type so that it can be painted as it is.
using RgbaColour = host::Colour;
