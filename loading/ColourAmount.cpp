#include "loading/ColourAmount.h"

#include <cmath>

std::uint8_t colourAmount = 153;

std::uint8_t ColourAmountFromFraction(float fraction) {
    const float product = fraction * 256.0f;
    if (!std::isfinite(product)) {
        return 0;
    }
    // Low 8 bits of the truncated product, as two's complement would keep them, for any magnitude.
    float low = std::fmod(std::trunc(product), 256.0f);
    if (low < 0) {
        low += 256.0f;
    }
    return static_cast<std::uint8_t>(low);
}
