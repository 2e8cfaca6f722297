#include "host/TextEngine.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "host/gdi/GdiFont.h"
#include "host/win32/Wide.h"

namespace host {

namespace {

constexpr wchar_t Ellipsis = L'\u2026';

bool IsValidUtf8(std::string_view text) {
    return text.empty() ||
           MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), int(text.size()), nullptr, 0) > 0;
}

// The width of one line of UTF-16 text in the font selected into the measuring context.
double LineWidth(HFONT font, std::wstring_view line) {
    const HDC dc = MeasuringDc();
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, line.data(), int(line.size()), &size);
    SelectObject(dc, previous);
    return double(size.cx);
}

double Width(HFONT font, std::wstring_view text) {
    double widest = 0.0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring_view::npos) {
            end = text.size();
        }
        widest = std::max(widest, LineWidth(font, text.substr(start, end - start)));
        start = end + 1;
    }
    return widest;
}

HFONT FontOf(const Font& font) {
    return GdiFontFor(Widen(font.family.ToStdString()), font.size, font.style);
}

char32_t CodeAt(std::wstring_view text, std::size_t i) {
    const char32_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
        return 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
    }
    return unit;
}

bool IsRegionalIndicator(char32_t code) {
    return code >= 0x1F1E6 && code <= 0x1F1FF;
}

// Whether a character cluster goes on into `code`: marks, joiners, variation selectors and skin
// tones belong to the character before them.
bool Extends(char32_t code, WORD type) {
    return (type & C3_NONSPACING) != 0 || code == 0x200D || (code >= 0xFE00 && code <= 0xFE0F) ||
           (code >= 0x1F3FB && code <= 0x1F3FF) || (code >= 0xE0020 && code <= 0xE007F);
}

// Offsets at which the text may be cut without parting a character: not inside a surrogate pair,
// before a mark or after a joiner, nor between the two regional indicators of a flag. Shortest
// first; 0 included, the whole length excluded.
std::vector<std::size_t> CutPositions(std::wstring_view text) {
    std::vector<WORD> types(text.size());
    GetStringTypeW(CT_CTYPE3, text.data(), int(text.size()), types.data());
    std::vector<std::size_t> cuts;
    char32_t previous = 0;
    int indicatorsInRow = 0;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t code = CodeAt(text, i);
        const bool pairsWithPrevious = IsRegionalIndicator(code) && indicatorsInRow % 2 == 1;
        if (i == 0 || !(Extends(code, types[i]) || previous == 0x200D || pairsWithPrevious)) {
            cuts.push_back(i);
        }
        indicatorsInRow = IsRegionalIndicator(code) ? indicatorsInRow + 1 : 0;
        previous = code;
        i += code > 0xFFFF ? 2 : 1;
    }
    return cuts;
}

std::wstring Shortened(std::wstring_view text, std::size_t cut, bool ellipsis) {
    std::wstring result(text.substr(0, cut));
    while (!result.empty() && (result.back() == L' ' || result.back() == L'\t')) {
        result.pop_back();
    }
    if (ellipsis) {
        result += Ellipsis;
    }
    return result;
}

} // namespace

FontMetrics GetFamilyMetrics(const UniString& family, double size) {
    const HFONT font = GdiFontFor(Widen(family.ToStdString()), size, Font::StylePlain);
    if (font == nullptr) {
        return {};
    }
    const HDC dc = MeasuringDc();
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    return FontMetrics{double(metrics.tmAscent), double(metrics.tmDescent)};
}

std::optional<double> MeasureStringWidth(const UniString& text, const Font& font) {
    const HFONT gdiFont = FontOf(font);
    if (gdiFont == nullptr || !IsValidUtf8(text.ToStdString())) {
        return std::nullopt;
    }
    return Width(gdiFont, Widen(text.ToStdString()));
}

bool ShortenString(UniString& text, const Font& font, double width, bool ellipsis) {
    const HFONT gdiFont = FontOf(font);
    if (gdiFont == nullptr || !IsValidUtf8(text.ToStdString()) || !(width >= 0.0)) {
        return false;
    }
    const std::wstring wide = Widen(text.ToStdString());
    if (Width(gdiFont, wide) <= width) {
        return true;
    }
    if (ellipsis && Width(gdiFont, std::wstring(1, Ellipsis)) > width) {
        return false;
    }
    // The longest cut that fits; shorter cuts are never wider.
    const std::vector<std::size_t> cuts = CutPositions(wide);
    std::size_t low = 0;
    std::size_t high = cuts.size();
    while (high - low > 1) {
        const std::size_t middle = (low + high) / 2;
        if (Width(gdiFont, Shortened(wide, cuts[middle], ellipsis)) <= width) {
            low = middle;
        } else {
            high = middle;
        }
    }
    const std::wstring shortened = Shortened(wide, cuts.empty() ? 0 : cuts[low], ellipsis);
    if (Width(gdiFont, shortened) > width) {
        return false;
    }
    text = UniString(Narrow(shortened));
    return true;
}

} // namespace host
