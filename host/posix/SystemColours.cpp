#include "host/Windows.h"

#include "host/std/SystemColourOverrides.h"

#include <array>

namespace host {
namespace {

constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | green << 8 | blue << 16;
}

// The classic desktop scheme, the stand-in system's colours.
constexpr std::array<std::uint32_t, SystemColourCount> classicColours = {
    Rgb(200, 200, 200), Rgb(0, 0, 0),       Rgb(153, 180, 209), Rgb(191, 205, 219), Rgb(240, 240, 240),
    Rgb(255, 255, 255), Rgb(100, 100, 100), Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(180, 180, 180), Rgb(244, 247, 252), Rgb(171, 171, 171), Rgb(0, 120, 215),   Rgb(255, 255, 255),
    Rgb(240, 240, 240), Rgb(160, 160, 160), Rgb(109, 109, 109), Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(255, 255, 255), Rgb(105, 105, 105), Rgb(227, 227, 227), Rgb(0, 0, 0),       Rgb(255, 255, 225),
    Rgb(0, 0, 0),       Rgb(0, 102, 204),   Rgb(185, 209, 234), Rgb(215, 228, 242), Rgb(0, 120, 215),
    Rgb(240, 240, 240),
};

bool IsElement(int index) {
    return index >= 0 && index < SystemColourCount;
}

} // namespace

std::uint32_t GetSysColor(int index) {
    if (!IsElement(index))
        return 0;
    return SystemColourOverride(index).value_or(classicColours[std::size_t(index)]);
}

} // namespace host
