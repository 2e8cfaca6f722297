#pragma once

#include <algorithm>
#include <optional>

#include "host/RealRect.h"
#include "host/std/SaneRect.h"

namespace host {

// Where an image of `width` × `height` pixels is drawn: `source` (the whole image when absent)
// scaled onto `destination`, of which only the part of the source inside the image is drawn.
struct ImagePlacement {
    RealRect destination; // the sane destination
    RealRect source;      // the sane source, possibly reaching beyond the image
    RealRect inside;      // the part of the source inside the image
    RealRect target;      // where `inside` lands in the destination
};

// Nothing to draw (nullopt) for an empty image, a rectangle that is not finite or has no area, or
// a source wholly outside the image.
inline std::optional<ImagePlacement> PlaceImage(int width, int height, const RealRect& destination,
                                                const std::optional<RealRect>& source) {
    const std::optional<RealRect> dst = SaneRect(destination);
    const std::optional<RealRect> src = source ? SaneRect(*source) : RealRect(0, 0, width, height);
    if (width <= 0 || height <= 0 || !dst || !src || !HasArea(*dst) || !HasArea(*src)) {
        return std::nullopt;
    }
    ImagePlacement placement{*dst, *src, {}, {}};
    RealRect& inside = placement.inside;
    inside.left = std::max(src->left, 0.0);
    inside.top = std::max(src->top, 0.0);
    inside.right = std::min(src->right, static_cast<double>(width));
    inside.bottom = std::min(src->bottom, static_cast<double>(height));
    if (!HasArea(inside)) {
        return std::nullopt;
    }
    const double scaleX = dst->GetWidth() / src->GetWidth();
    const double scaleY = dst->GetHeight() / src->GetHeight();
    RealRect& target = placement.target;
    target.left = dst->left + (inside.left - src->left) * scaleX;
    target.top = dst->top + (inside.top - src->top) * scaleY;
    target.right = dst->left + (inside.right - src->left) * scaleX;
    target.bottom = dst->top + (inside.bottom - src->top) * scaleY;
    return placement;
}

} // namespace host
