#pragma once

namespace host {
class DrawContext;
class Image;
struct RealRect;
} // namespace host

// Repeats the image in rows from the rectangle's top-left corner; the last column and row show the
// image's top-left part, cut at the rectangle's right and bottom edges.
void DrawImageTiled(host::DrawContext& context, const host::RealRect& r, const host::Image& image);
