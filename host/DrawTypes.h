#pragma once

#include "host/Colour.h"

namespace host {

// How a drawing context draws. For unit, colour mode and line mode the library defines only the
// value 0 (unit: pixels; colour mode: 8-bit red, green, blue and alpha; line mode: square line ends
// and mitred corners); other values are treated as 0.
struct ContextAttributes {
    int unit = 0;
    int colourMode = 0;
    int lineMode = 0;
    // With anti-aliasing off, shapes and images cover whole pixels only: a pixel is covered when its
    // centre lies inside the shape. Text is always smoothed.
    bool antialiasing = true;
};

// A pen for outlines and lines. Widths below 1 (including 0) draw lines one pixel wide.
struct Pen {
    double width = 1.0;
    Colour colour;
};

// A fill of one colour; its alpha makes it translucent (drawn over what lies below).
class SolidPattern {
public:
    explicit SolidPattern(const Colour& colour) : colour(colour) {}
    const Colour& GetColour() const { return colour; }

private:
    Colour colour;
};

} // namespace host
