#include "host/gdiplus/GdiplusDrawContext.h"

#include <algorithm>
#include <cmath>

#include "host/Image.h"
#include "host/gdiplus/PixelBlend.h"
#include "host/std/ImagePlacement.h"
#include "host/std/SaneRect.h"

namespace host {

namespace {

constexpr double MaxPenWidth = 1000.0;

float PenWidth(const Pen& pen) {
    return float(pen.width >= 1.0 ? std::min(pen.width, MaxPenWidth) : 1.0); // NaN as well gives 1
}

Gdiplus::RectF ToRectF(const RealRect& r) {
    return Gdiplus::RectF(float(r.left), float(r.top), float(r.GetWidth()), float(r.GetHeight()));
}

bool IsWhole(double value) {
    return value == std::floor(value);
}

// The source drawn at its own size onto whole pixels.
bool IsWholePixelCopy(const ImagePlacement& placement) {
    const RealRect& inside = placement.inside;
    const RealRect& target = placement.target;
    return target.GetWidth() == inside.GetWidth() && target.GetHeight() == inside.GetHeight() &&
           IsWhole(target.left) && IsWhole(target.top) && IsWhole(inside.left) && IsWhole(inside.top) &&
           IsWhole(inside.right) && IsWhole(inside.bottom);
}

} // namespace

GdiplusDrawContext::GdiplusDrawContext(NativeDrawContext* native, const ContextAttributes& attributes,
                                       std::unique_ptr<NativeDrawContext> ownedNative)
    : owned(std::move(ownedNative)), graphics(native != nullptr ? native->graphics.get() : nullptr),
      memory(native != nullptr && native->graphics && native->memory ? &*native->memory : nullptr),
      attributes(attributes) {
    if (graphics == nullptr) {
        return;
    }
    saved = graphics->Save();
    graphics->SetCompositingMode(Gdiplus::CompositingModeSourceOver);
    // Whole coordinates are pixel centres for strokes: a 1-pixel pen through them covers the pixel.
    graphics->SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
    graphics->SetSmoothingMode(attributes.antialiasing ? Gdiplus::SmoothingModeAntiAlias
                                                       : Gdiplus::SmoothingModeNone);
    graphics->SetInterpolationMode(attributes.antialiasing ? Gdiplus::InterpolationModeHighQualityBilinear
                                                           : Gdiplus::InterpolationModeNearestNeighbor);
}

GdiplusDrawContext::~GdiplusDrawContext() {
    if (graphics != nullptr) {
        graphics->Flush(Gdiplus::FlushIntentionSync);
        graphics->Restore(saved);
    }
}

void GdiplusDrawContext::FillRect(const RealRect& rect, const SolidPattern& pattern) {
    const std::optional<RealRect> r = SaneRect(rect);
    if (graphics == nullptr || !r || !HasArea(*r)) {
        return;
    }
    if (memory != nullptr && IsWhole(r->left) && IsWhole(r->top) && IsWhole(r->right) && IsWhole(r->bottom)) {
        BlendFill(*memory, int(r->left), int(r->top), int(r->right), int(r->bottom), pattern.GetColour());
        return;
    }
    Gdiplus::SolidBrush brush(ToColor(pattern.GetColour()));
    graphics->FillRectangle(&brush, ToRectF(*r));
}

// The outline runs through the edge pixels, so a 1-pixel pen covers exactly those.
void GdiplusDrawContext::FrameRect(const RealRect& rect, const Pen& pen) {
    const std::optional<RealRect> r = SaneRect(rect);
    if (graphics == nullptr || !r) {
        return;
    }
    Gdiplus::Pen stroke(ToColor(pen.colour), PenWidth(pen));
    stroke.SetLineJoin(Gdiplus::LineJoinMiter);
    graphics->DrawRectangle(&stroke, float(r->left), float(r->top), float(r->GetWidth()), float(r->GetHeight()));
}

void GdiplusDrawContext::DrawLine(double x1, double y1, double x2, double y2) {
    if (graphics == nullptr || !std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) ||
        !std::isfinite(y2)) {
        return;
    }
    const float ax = float(LimitCoordinate(x1));
    const float ay = float(LimitCoordinate(y1));
    const float bx = float(LimitCoordinate(x2));
    const float by = float(LimitCoordinate(y2));
    const float width = PenWidth(linePen);
    if (ax == bx && ay == by) {
        // A line of no length is a dot of the pen's width.
        Gdiplus::SolidBrush brush(ToColor(linePen.colour));
        graphics->FillRectangle(&brush, ax - width / 2 + 0.5f, ay - width / 2 + 0.5f, width, width);
        return;
    }
    // Square caps reach half a pen width past the end points' centres, covering the end pixels.
    Gdiplus::Pen stroke(ToColor(linePen.colour), width);
    stroke.SetLineCap(Gdiplus::LineCapSquare, Gdiplus::LineCapSquare, Gdiplus::DashCapFlat);
    graphics->DrawLine(&stroke, ax, ay, bx, by);
}

void GdiplusDrawContext::DrawImage(const Image& image, const RealRect& destination,
                                   const std::optional<RealRect>& source) {
    const int iw = image.GetWidth();
    const int ih = image.GetHeight();
    const std::optional<ImagePlacement> placement = PlaceImage(iw, ih, destination, source);
    if (graphics == nullptr || !placement || !image.GetPixels()) {
        return;
    }
    const RealRect& inside = placement->inside;
    const RealRect& target = placement->target;

    // A copy pixel for pixel needs no sampling: blended straight, many times faster.
    const bool wholePixels = IsWholePixelCopy(*placement);
    if (wholePixels && memory != nullptr) {
        BlendImage(*memory, int(target.left), int(target.top), image, int(inside.left), int(inside.top),
                   int(inside.GetWidth()), int(inside.GetHeight()));
        return;
    }
    Gdiplus::Bitmap* pixels = Lent(image);
    if (pixels == nullptr) {
        return;
    }
    if (wholePixels) {
        graphics->DrawImage(pixels, int(target.left), int(target.top), int(inside.left), int(inside.top),
                            int(inside.GetWidth()), int(inside.GetHeight()), Gdiplus::UnitPixel);
        return;
    }
    // Mirrored tiles beyond the edges keep scaled edges from fading into transparency. Images are
    // sampled at pixel centres: without the half-pixel offset the nearest pixel is taken half a
    // pixel off.
    Gdiplus::ImageAttributes edges;
    edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics->SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics->DrawImage(pixels, ToRectF(target), float(inside.left), float(inside.top),
                        float(inside.GetWidth()), float(inside.GetHeight()), Gdiplus::UnitPixel, &edges);
    graphics->SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
}

// Tiles draw one image many times in a row: its pixels are lent to GDI+ once for all of them. The
// lent bitmap reads the image's memory in place, so an image of the same layout at the same
// address is drawn as it stands.
Gdiplus::Bitmap* GdiplusDrawContext::Lent(const Image& image) {
    const LentImage key{image.GetPixels(), image.GetWidth(), image.GetHeight(), image.GetStride()};
    if (!lent || !(key == lentImage)) {
        lent = LendPixels(key.width, key.height, key.stride, key.pixels);
        lentImage = key;
    }
    return lent.get();
}

void GdiplusDrawContext::Flush() {
    if (graphics != nullptr) {
        graphics->Flush(Gdiplus::FlushIntentionSync);
    }
}

} // namespace host
