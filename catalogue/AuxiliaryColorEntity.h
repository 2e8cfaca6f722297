#pragma once

#include "catalogue/ColourLab.h"
#include "catalogue/RgbaColour.h"
#include "host/UniString.h"

#include <cstdint>

// One colour of the tinting table from which custom colours are mixed. It always has a colour:
// the low 8 bits of each channel, so -1 gives 255.
class AuxiliaryColorEntity {
public:
    AuxiliaryColorEntity(const host::UniString& colourName, std::int16_t red, std::int16_t green,
                         std::int16_t blue)
        : colourName(colourName), colour{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                                         static_cast<std::uint8_t>(blue), 255, 0},
          lab(LabOf(colour)) {}
    virtual ~AuxiliaryColorEntity() = default;

    host::UniString colourName;
    RgbaColour colour;
    // CIE Lab of the colour, computed once.
    ColourVector lab;
};
