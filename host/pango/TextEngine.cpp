#include "host/TextEngine.h"

#include <cmath>
#include <string>
#include <vector>

#include "host/pango/PangoSupport.h"

namespace host {

namespace {

constexpr std::string_view Ellipsis = "\u2026";

PangoContext* MeasuringContext() {
    static const GObjectPtr<PangoContext> context = NewPangoContext();
    return context.get();
}

bool IsValidUtf8(std::string_view text) {
    return g_utf8_validate(text.data(), text.size(), nullptr);
}

// A layout of valid UTF-8 text on one line in the measuring context.
GObjectPtr<PangoLayout> NewLayout(std::string_view text, const PangoFontDescription* description) {
    GObjectPtr<PangoLayout> layout(pango_layout_new(MeasuringContext()));
    pango_layout_set_font_description(layout.get(), description);
    pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
    return layout;
}

double LayoutWidth(PangoLayout* layout) {
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    return static_cast<double>(logical.width) / PANGO_SCALE;
}

double Width(std::string_view text, const PangoFontDescription* description) {
    return LayoutWidth(NewLayout(text, description).get());
}

// Byte offsets at which the text may be cut without parting a character from its marks, shortest
// first; 0 included, the whole length excluded.
std::vector<std::size_t> CutPositions(PangoLayout* layout, std::string_view text) {
    int count = 0;
    const PangoLogAttr* attrs = pango_layout_get_log_attrs_readonly(layout, &count);
    std::vector<std::size_t> cuts;
    const char* p = text.data();
    for (int i = 0; i < count && p < text.data() + text.size(); ++i, p = g_utf8_next_char(p)) {
        if (attrs[i].is_cursor_position) {
            cuts.push_back(static_cast<std::size_t>(p - text.data()));
        }
    }
    return cuts;
}

std::string Shortened(std::string_view text, std::size_t cut, bool ellipsis) {
    std::string result(text.substr(0, cut));
    while (!result.empty() && (result.back() == ' ' || result.back() == '\t')) {
        result.pop_back();
    }
    if (ellipsis) {
        result.append(Ellipsis);
    }
    return result;
}

} // namespace

FontMetrics GetFamilyMetrics(const UniString& family, double size) {
    const FontDescriptionPtr description = NewFontDescription(family, size, Font::StylePlain);
    if (!description) {
        return {};
    }
    PangoFontMetrics* metrics = pango_context_get_metrics(MeasuringContext(), description.get(), nullptr);
    const FontMetrics result{static_cast<double>(pango_font_metrics_get_ascent(metrics)) / PANGO_SCALE,
                             static_cast<double>(pango_font_metrics_get_descent(metrics)) / PANGO_SCALE};
    pango_font_metrics_unref(metrics);
    return result;
}

std::optional<double> MeasureStringWidth(const UniString& text, const Font& font) {
    const FontDescriptionPtr description = NewFontDescription(font);
    if (!description || !IsValidUtf8(text.ToStdString())) {
        return std::nullopt;
    }
    return Width(text.ToStdString(), description.get());
}

bool ShortenString(UniString& text, const Font& font, double width, bool ellipsis) {
    const std::string_view whole = text.ToStdString();
    const FontDescriptionPtr description = NewFontDescription(font);
    if (!description || !IsValidUtf8(whole) || !(width >= 0.0)) {
        return false;
    }
    const GObjectPtr<PangoLayout> layout = NewLayout(whole, description.get());
    if (LayoutWidth(layout.get()) <= width) {
        return true;
    }
    const std::vector<std::size_t> cuts = CutPositions(layout.get(), whole);
    auto fits = [&](std::size_t index) {
        return Width(Shortened(whole, cuts[index], ellipsis), description.get()) <= width;
    };
    // Cuts[0] is the empty text: nothing but the ellipsis.
    if (cuts.empty() || !fits(0)) {
        return false;
    }
    // The longest fitting cut; the width grows with the length.
    std::size_t low = 0;
    std::size_t high = cuts.size() - 1;
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (fits(middle)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    text = UniString(Shortened(whole, cuts[low], ellipsis));
    return true;
}

} // namespace host
