#include "host/gdi/GdiFont.h"

#include <cmath>
#include <map>
#include <tuple>

namespace host {

double FontPixels(double size) {
    return size * 96.0 / 72.0;
}

bool IsUsableSize(double size) {
    return std::isfinite(size) && size > 0.0 && size <= 1000.0;
}

HFONT GdiFontFor(const std::wstring& family, double size, int style) {
    if (!IsUsableSize(size)) {
        return nullptr;
    }
    static std::map<std::tuple<std::wstring, double, int>, HFONT> fonts;
    const auto key = std::make_tuple(family, size, style & (Font::StyleBold | Font::StyleItalic));
    if (const auto found = fonts.find(key); found != fonts.end()) {
        return found->second;
    }
    LOGFONTW description{};
    // A negative height asks for the character height, as points measure it.
    description.lfHeight = -LONG(std::lround(FontPixels(size)));
    description.lfWeight = (style & Font::StyleBold) != 0 ? FW_BOLD : FW_NORMAL;
    description.lfItalic = (style & Font::StyleItalic) != 0;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = ANTIALIASED_QUALITY;
    wcsncpy(description.lfFaceName, family.empty() ? L"Tahoma" : family.c_str(), LF_FACESIZE - 1);
    const HFONT font = CreateFontIndirectW(&description);
    fonts.emplace(key, font);
    return font;
}

HDC MeasuringDc() {
    static const HDC dc = CreateCompatibleDC(nullptr);
    return dc;
}

} // namespace host
