#include "host/Windows.h"

#include <array>
#include <mutex>

namespace host {
namespace {

constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | green << 8 | blue << 16;
}

// The classic desktop scheme.
constexpr std::array<std::uint32_t, SystemColourCount> classicColours = {
    Rgb(200, 200, 200), Rgb(0, 0, 0),       Rgb(153, 180, 209), Rgb(191, 205, 219), Rgb(240, 240, 240),
    Rgb(255, 255, 255), Rgb(100, 100, 100), Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(180, 180, 180), Rgb(244, 247, 252), Rgb(171, 171, 171), Rgb(0, 120, 215),   Rgb(255, 255, 255),
    Rgb(240, 240, 240), Rgb(160, 160, 160), Rgb(109, 109, 109), Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(255, 255, 255), Rgb(105, 105, 105), Rgb(227, 227, 227), Rgb(0, 0, 0),       Rgb(255, 255, 225),
    Rgb(0, 0, 0),       Rgb(0, 102, 204),   Rgb(185, 209, 234), Rgb(215, 228, 242), Rgb(0, 120, 215),
    Rgb(240, 240, 240),
};

std::mutex coloursMutex;
std::array<std::uint32_t, SystemColourCount> colours = classicColours;

bool IsElement(int index) {
    return index >= 0 && index < SystemColourCount;
}

} // namespace

std::uint32_t GetSysColor(int index) {
    if (!IsElement(index))
        return 0;
    std::lock_guard lock(coloursMutex);
    return colours[std::size_t(index)];
}

bool SetSysColors(int count, const int* indexes, const std::uint32_t* newColours) {
    if (count < 0 || (count > 0 && (!indexes || !newColours)))
        return false;
    for (int i = 0; i < count; ++i) {
        if (!IsElement(indexes[i]))
            return false;
    }
    std::lock_guard lock(coloursMutex);
    for (int i = 0; i < count; ++i)
        colours[std::size_t(indexes[i])] = newColours[i] & 0xFFFFFF;
    return true;
}

} // namespace host
