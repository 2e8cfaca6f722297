#include "loading/Palette.h"

#include "host/Windows.h"

RgbaColour paletteBackground;
RgbaColour paletteSelectionOuter;
RgbaColour paletteSelectionInner;
RgbaColour paletteEmptyFrame;
RgbaColour paletteTooltipInk;
RgbaColour paletteTooltipBack;
host::Font uiFont;

void SetUpPaletteAndFont() {
    // A system colour value holds red in its low byte, then green, then blue.
    const std::uint32_t face = host::GetSysColor(host::ButtonFaceColour);
    paletteBackground = {static_cast<std::uint8_t>(face & 0xFF),
                         static_cast<std::uint8_t>((face >> 8) & 0xFF),
                         static_cast<std::uint8_t>((face >> 16) & 0xFF), 255, 0};
    paletteSelectionOuter = {49, 106, 197, 255, 0};
    paletteSelectionInner = {255, 255, 255, 255, 0};
    paletteEmptyFrame = {216, 216, 216, 255, 0};
    paletteTooltipInk = {0, 0, 0, 255, 0};
    paletteTooltipBack = {255, 255, 225, 255, 0};
    uiFont = {host::UniString("Tahoma"), 9.0, host::Font::StylePlain};
}
