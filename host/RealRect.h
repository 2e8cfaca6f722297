#pragma once

#include <utility>

namespace host {

// A rectangle of the drawing library in real coordinates (pixels; x to the right, y downwards).
// The four-value constructor normalises, so that left <= right and top <= bottom; the fields may be
// set freely afterwards, and every drawing operation normalises what it receives.
struct RealRect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    RealRect() = default;
    RealRect(double l, double t, double r, double b) : left(l), top(t), right(r), bottom(b) { Normalize(); }

    double GetWidth() const { return right - left; }
    double GetHeight() const { return bottom - top; }

    void Normalize() {
        if (left > right) {
            std::swap(left, right);
        }
        if (top > bottom) {
            std::swap(top, bottom);
        }
    }

    // Moves each edge inwards by dx (left and right) and dy (top and bottom), then normalises; negative
    // values move the edges outwards.
    void Inset(double dx, double dy) {
        left += dx;
        top += dy;
        right -= dx;
        bottom -= dy;
        Normalize();
    }

    friend bool operator==(const RealRect&, const RealRect&) = default;
};

} // namespace host
