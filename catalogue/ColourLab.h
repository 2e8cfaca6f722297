#pragma once

#include "catalogue/ColourMath.h"
#include "catalogue/RgbaColour.h"

// The CIE Lab of an 8-bit colour against ReferenceWhite; alpha plays no part.
ColourVector LabOf(const RgbaColour& colour);
