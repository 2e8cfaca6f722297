#pragma once

#include <algorithm>
#include <cmath>
#include <optional>

#include "host/RealRect.h"

namespace host {

// Far beyond any window, well inside every drawing library's coordinate range.
inline constexpr double CoordinateLimit = 1.0e6;

inline double LimitCoordinate(double value) {
    return std::clamp(value, -CoordinateLimit, CoordinateLimit);
}

// A normalised copy inside the coordinate limits; nullopt for a rectangle that is not finite.
inline std::optional<RealRect> SaneRect(const RealRect& rect) {
    if (!std::isfinite(rect.left) || !std::isfinite(rect.top) || !std::isfinite(rect.right) ||
        !std::isfinite(rect.bottom)) {
        return std::nullopt;
    }
    return RealRect(LimitCoordinate(rect.left), LimitCoordinate(rect.top), LimitCoordinate(rect.right),
                    LimitCoordinate(rect.bottom));
}

inline bool HasArea(const RealRect& rect) {
    return rect.GetWidth() > 0.0 && rect.GetHeight() > 0.0;
}

} // namespace host
