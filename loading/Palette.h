#pragma once

#include "catalogue/RgbaColour.h"
#include "host/Font.h"

// The drawing palette and font of the drawn items, set up by the loading sequence.
extern RgbaColour paletteBackground;     // the system's button face: items and empty chips
extern RgbaColour paletteSelectionOuter; // outer frames of a selected chip
extern RgbaColour paletteSelectionInner; // inner frame of a selected chip
extern RgbaColour paletteEmptyFrame;     // frame of an empty chip
extern RgbaColour paletteTooltipInk;     // hover label frame and text
extern RgbaColour paletteTooltipBack;    // hover label fill
extern host::Font uiFont;

void SetUpPaletteAndFont();
