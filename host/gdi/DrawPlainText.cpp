#include "host/gdiplus/GdiplusDrawContext.h"

#include "host/Font.h"
#include "host/gdi/GdiFont.h"
#include "host/std/SaneRect.h"
#include "host/win32/Wide.h"

namespace host {

namespace {

Gdiplus::StringAlignment Alignment(int options) {
    switch (options) {
    case DrawContext::TextAlignCentre:
        return Gdiplus::StringAlignmentCenter;
    case DrawContext::TextAlignRight:
        return Gdiplus::StringAlignmentFar;
    default:
        return Gdiplus::StringAlignmentNear;
    }
}

} // namespace

// The text is set in the GDI font the text engine measures with, drawn by GDI+ so that it keeps
// the bitmap's alpha.
void GdiplusDrawContext::DrawPlainText(const UniString& text, const RealRect& box, const Font& font,
                                       const Colour& textColour, const Colour& backgroundColour, int options,
                                       double lineSpacing) {
    FillRect(box, SolidPattern(backgroundColour));
    const std::optional<RealRect> r = SaneRect(box);
    const HFONT gdiFont = GdiFontFor(Widen(font.family.ToStdString()), font.size, font.style);
    if (graphics == nullptr || !r || !HasArea(*r) || gdiFont == nullptr || text.IsEmpty()) {
        return;
    }
    Gdiplus::Font face(MeasuringDc(), gdiFont);
    Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
    format.SetAlignment(Alignment(options));
    format.SetTrimming(Gdiplus::StringTrimmingNone);
    Gdiplus::SolidBrush ink(ToColor(textColour));
    graphics->SetTextRenderingHint(attributes.antialiasing ? Gdiplus::TextRenderingHintAntiAliasGridFit
                                                           : Gdiplus::TextRenderingHintSingleBitPerPixelGridFit);
    const Gdiplus::RectF layout(float(r->left), float(r->top), float(r->GetWidth()), float(r->GetHeight()));
    const Gdiplus::GraphicsState state = graphics->Save();
    graphics->IntersectClip(layout);
    const std::wstring wide = Widen(text.ToStdString());
    // Line feeds break lines; with extra spacing each line is set on its own, that far apart.
    float top = layout.Y;
    std::size_t start = 0;
    while (start <= wide.size() && top < layout.GetBottom()) {
        std::size_t end = lineSpacing > 0.0 ? wide.find(L'\n', start) : std::wstring::npos;
        if (end == std::wstring::npos) {
            end = wide.size();
        }
        const Gdiplus::RectF line(layout.X, top, layout.Width, layout.GetBottom() - top);
        graphics->DrawString(wide.data() + start, INT(end - start), &face, line, &format, &ink);
        Gdiplus::RectF used;
        graphics->MeasureString(wide.data() + start, INT(end - start), &face, line, &format, &used);
        top += used.Height + float(lineSpacing);
        start = end + 1;
    }
    graphics->Restore(state);
}

} // namespace host
