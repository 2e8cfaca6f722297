#pragma once

#include "host/Colour.h"
#include "host/Image.h"
#include "host/gdiplus/GdiplusNative.h"

namespace host {

// Source-over blending of premultiplied BGRA straight into a bitmap's memory, for the fills and
// pixel-for-pixel copies of whole pixels that make up most drawing: GDI+ blends those pixel by
// pixel through calls of its own, which costs many times more. Both cut at the target's clip and
// edges; coordinates are the context's, whole numbers.

// Fills the rectangle [left, right) × [top, bottom) with `colour` (not premultiplied).
void BlendFill(const PixelTarget& target, int left, int top, int right, int bottom, const Colour& colour);

// Draws `width` × `height` pixels of `image` from (sourceX, sourceY), which lie inside it, at (x, y).
void BlendImage(const PixelTarget& target, int x, int y, const Image& image, int sourceX, int sourceY, int width,
                int height);

} // namespace host
