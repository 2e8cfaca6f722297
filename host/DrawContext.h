#pragma once

#include <optional>

#include "host/Colour.h"
#include "host/DrawTypes.h"
#include "host/RealRect.h"
#include "host/UniString.h"

namespace host {

class Image;
struct Font;

// A drawing context of the drawing library, obtained from a BitmapDevice or a WindowDevice and
// released by destroying it; each drawing backend has its own kind; it must be released before its device and its device's bitmap or native
// context go. Release flushes the drawing and leaves the native context as it found it.
//
// Pixel geometry (coordinates are pixel edges: pixel (x, y) spans x..x+1 and y..y+1):
// - FillRect of (l, t, r, b) covers the pixels from l to r − 1 and t to b − 1.
// - FrameRect of (l, t, r, b) with a pen of width 1 covers the pixels of columns l and r and rows t and
//   b, from l to r and t to b inclusive; wider pens grow around that line.
// - DrawLine from (x1, y1) to (x2, y2) covers both end pixels and the pixels between.
// Everything is drawn over what lies below (OVER compositing), with the colours' alpha.
class DrawContext {
public:
    // Text alignment, the options of DrawPlainText; other values align left.
    static constexpr int TextAlignLeft = 0;
    static constexpr int TextAlignCentre = 1;
    static constexpr int TextAlignRight = 2;

    DrawContext() = default;
    DrawContext(const DrawContext&) = delete;
    DrawContext& operator=(const DrawContext&) = delete;
    virtual ~DrawContext() = default;

    virtual void FillRect(const RealRect& rect, const SolidPattern& pattern) = 0;
    virtual void FrameRect(const RealRect& rect, const Pen& pen) = 0;

    // The pen of DrawLine. A new context's pen is 1 pixel wide and opaque black.
    virtual void SetLinePen(const Pen& pen) = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;

    // Draws the source part of the image (the whole image without one) scaled into the destination.
    // A source of the destination's size is drawn unscaled, as a cut of the image; parts of the source
    // outside the image draw nothing. With anti-aliasing off, scaled images take the nearest pixel.
    virtual void DrawImage(const Image& image, const RealRect& destination,
                           const std::optional<RealRect>& source = std::nullopt) = 0;

    // Fills the box with the background colour and draws the text into it: lines break at line feeds
    // and where a word would cross the box's right edge; what does not fit is cut at the box's edges.
    // `options` is a TextAlign value; `lineSpacing` adds that many pixels between lines. Invalid UTF-8
    // is drawn with replacement characters.
    virtual void DrawPlainText(const UniString& text, const RealRect& box, const Font& font,
                               const Colour& textColour, const Colour& backgroundColour,
                               int options = TextAlignLeft, double lineSpacing = 0.0) = 0;

    // Makes everything drawn so far reach the device's pixels.
    virtual void Flush() = 0;
};

} // namespace host
