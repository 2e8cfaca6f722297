#pragma once

#include <cstdint>

namespace host {

// A colour of the drawing library: 8-bit red, green, blue and alpha (255 opaque), plus one
// reserved byte that every colour built by the add-on leaves at 0.
struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;
    std::uint8_t reserved = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

} // namespace host
