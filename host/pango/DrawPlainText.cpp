#include <cmath>

#include "host/cairo/CairoDrawContext.h"
#include "host/Font.h"
#include "host/cairo/CairoNative.h"
#include "host/std/SaneRect.h"
#include "host/pango/PangoSupport.h"

namespace host {

namespace {

PangoAlignment Alignment(int options) {
    switch (options) {
    case DrawContext::TextAlignCentre:
        return PANGO_ALIGN_CENTER;
    case DrawContext::TextAlignRight:
        return PANGO_ALIGN_RIGHT;
    default:
        return PANGO_ALIGN_LEFT;
    }
}

} // namespace

void CairoDrawContext::DrawPlainText(const UniString& text, const RealRect& box, const Font& font,
                                     const Colour& textColour, const Colour& backgroundColour, int options,
                                     double lineSpacing) {
    FillRect(box, SolidPattern(backgroundColour));
    const std::optional<RealRect> r = SaneRect(box);
    const FontDescriptionPtr description = NewFontDescription(font);
    cairo_t* cr = ToCairo(native);
    if (!r || !HasArea(*r) || !description || text.IsEmpty() || cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        return;
    }

    const GObjectPtr<PangoContext> context = NewPangoContext();
    pango_cairo_update_context(cr, context.get());
    const GObjectPtr<PangoLayout> layout(pango_layout_new(context.get()));
    pango_layout_set_font_description(layout.get(), description.get());
    pango_layout_set_width(layout.get(), static_cast<int>(std::ceil(r->GetWidth() * PANGO_SCALE)));
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
    pango_layout_set_alignment(layout.get(), Alignment(options));
    if (lineSpacing > 0.0 && lineSpacing <= CoordinateLimit) {
        pango_layout_set_spacing(layout.get(), static_cast<int>(lineSpacing * PANGO_SCALE));
    }
    const std::string& utf8 = text.ToStdString();
    if (g_utf8_validate(utf8.data(), static_cast<gssize>(utf8.size()), nullptr)) {
        pango_layout_set_text(layout.get(), utf8.data(), static_cast<int>(utf8.size()));
    } else {
        gchar* valid = g_utf8_make_valid(utf8.data(), static_cast<gssize>(utf8.size()));
        pango_layout_set_text(layout.get(), valid, -1);
        g_free(valid);
    }

    cairo_save(cr);
    cairo_rectangle(cr, r->left, r->top, r->GetWidth(), r->GetHeight());
    cairo_clip(cr);
    SetSourceColour(cr, textColour);
    cairo_move_to(cr, r->left, r->top);
    pango_cairo_show_layout(cr, layout.get());
    cairo_restore(cr);
}

} // namespace host
