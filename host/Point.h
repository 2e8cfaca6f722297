#pragma once

#include <cstdint>

namespace host {

// A point of the dialog toolkit: 16-bit pixel coordinates, x to the right, y downwards.
struct Point {
    std::int16_t x = 0;
    std::int16_t y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

} // namespace host
