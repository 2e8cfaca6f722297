#pragma once

#include <optional>

#include "host/Font.h"
#include "host/UniString.h"

namespace host {

// Measuring and shortening text. Works without a display. All sizes are in pixels; a font whose size
// is not above 0 (or beyond 1000 points) is unusable.

struct FontMetrics {
    double ascent = 0.0;  // above the baseline
    double descent = 0.0; // below the baseline
};

// Ascent and descent of the plain face of a family at a size in points; zeros for an unusable size.
FontMetrics GetFamilyMetrics(const UniString& family, double size);

// The width of the text set on one line in the font (the widest line when it holds line feeds).
// Fails (no value) for text that is not valid UTF-8 and for an unusable font.
std::optional<double> MeasureStringWidth(const UniString& text, const Font& font);

// Shortens the text in place so that it is at most `width` wide in the font. Text that fits is left
// as it is. Otherwise whole characters (never a part of one, nor a mark apart from its letter) are
// taken from the end, then trailing spaces, and with `ellipsis` "…" is appended. Returns false and
// leaves the text unchanged when the text is not valid UTF-8, the font is unusable, the width is
// negative or not a number, or (with `ellipsis`) not even "…" alone fits.
bool ShortenString(UniString& text, const Font& font, double width, bool ellipsis);

} // namespace host
