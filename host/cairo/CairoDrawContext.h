#pragma once

#include "host/DrawContext.h"
#include "host/NativeDrawContext.h"

namespace host {

// A drawing context on a cairo context, whose state it saves when made and restores when released.
// Its text is drawn with pango.
class CairoDrawContext : public DrawContext {
public:
    // Takes a reference of its own to the native context and saves its state.
    CairoDrawContext(NativeDrawContext* native, const ContextAttributes& attributes);
    ~CairoDrawContext() override;

    void FillRect(const RealRect& rect, const SolidPattern& pattern) override;
    void FrameRect(const RealRect& rect, const Pen& pen) override;
    void SetLinePen(const Pen& pen) override { linePen = pen; }
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawImage(const Image& image, const RealRect& destination,
                   const std::optional<RealRect>& source = std::nullopt) override;
    void DrawPlainText(const UniString& text, const RealRect& box, const Font& font, const Colour& textColour,
                       const Colour& backgroundColour, int options = TextAlignLeft,
                       double lineSpacing = 0.0) override;
    void Flush() override;

private:
    NativeDrawContext* native;
    ContextAttributes attributes;
    Pen linePen;
};

} // namespace host
