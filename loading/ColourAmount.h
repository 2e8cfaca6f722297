#pragma once

#include <cstdint>

// The alpha with which a colour's solid value is laid over its texture image, in chips and in
// exported texture files. Set by the catalogue setting "colourmixer.amountofcolour"; 153 until then,
// and the last value set for the life of the module.
extern std::uint8_t colourAmount;

// The setting's fraction times 256 in single precision, truncated, low 8 bits kept: 0.6 gives 153,
// 1.0 gives 0. A product that is not finite gives 0.
std::uint8_t ColourAmountFromFraction(float fraction);
