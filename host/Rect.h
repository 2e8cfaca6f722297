#pragma once

#include <cstdint>

#include "host/Point.h"

namespace host {

// A rectangle of the dialog toolkit: 16-bit pixel edges. The left and top edges belong to the
// rectangle, the right and bottom edges do not: it covers x from left to right - 1 and y from top to
// bottom - 1, and is empty when right <= left or bottom <= top.
class Rect {
public:
    Rect() = default;
    Rect(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom)
        : left(left), top(top), right(right), bottom(bottom) {}

    std::int16_t GetLeft() const { return left; }
    std::int16_t GetTop() const { return top; }
    std::int16_t GetRight() const { return right; }
    std::int16_t GetBottom() const { return bottom; }
    std::int16_t GetWidth() const { return std::int16_t(right - left); }
    std::int16_t GetHeight() const { return std::int16_t(bottom - top); }

    // Setting an edge leaves the other three where they are; setting the width or height moves
    // the right or bottom edge.
    void SetLeft(std::int16_t value) { left = value; }
    void SetTop(std::int16_t value) { top = value; }
    void SetRight(std::int16_t value) { right = value; }
    void SetBottom(std::int16_t value) { bottom = value; }
    void SetWidth(std::int16_t value) { right = std::int16_t(left + value); }
    void SetHeight(std::int16_t value) { bottom = std::int16_t(top + value); }

    // Moves the rectangle by dx to the right and dy downwards, keeping its size.
    void Offset(std::int16_t dx, std::int16_t dy) {
        left = std::int16_t(left + dx);
        right = std::int16_t(right + dx);
        top = std::int16_t(top + dy);
        bottom = std::int16_t(bottom + dy);
    }

    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    friend bool operator==(const Rect&, const Rect&) = default;

private:
    std::int16_t left = 0;
    std::int16_t top = 0;
    std::int16_t right = 0;
    std::int16_t bottom = 0;
};

} // namespace host
