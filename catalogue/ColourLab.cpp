#include "catalogue/ColourLab.h"

ColourVector LabOf(const RgbaColour& colour) {
    const ColourVector rgb{static_cast<double>(colour.red), static_cast<double>(colour.green),
                           static_cast<double>(colour.blue)};
    return XyzToLab(SrgbToXyz(rgb), ReferenceWhite);
}
