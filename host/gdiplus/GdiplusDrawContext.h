#pragma once

#include "host/DrawContext.h"
#include "host/gdiplus/GdiplusNative.h"

#include <cstdint>
#include <memory>

namespace host {

// A drawing context on a GDI+ graphics object, whose state it saves when made and restores when
// released. Its text is drawn by the text backend.
class GdiplusDrawContext : public DrawContext {
public:
    // Draws through `native`, or, for a null or empty one, draws nothing. `owned`, when given, is
    // the native context that lives as long as this one.
    GdiplusDrawContext(NativeDrawContext* native, const ContextAttributes& attributes,
                       std::unique_ptr<NativeDrawContext> owned = nullptr);
    ~GdiplusDrawContext() override;

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
    struct LentImage {
        const std::uint8_t* pixels = nullptr;
        int width = 0;
        int height = 0;
        int stride = 0;
        bool operator==(const LentImage&) const = default;
    };
    Gdiplus::Bitmap* Lent(const Image& image);

    std::unique_ptr<NativeDrawContext> owned;
    Gdiplus::Graphics* graphics;
    const PixelTarget* memory; // the bitmap's pixels, when the context draws into one of ours
    Gdiplus::GraphicsState saved = 0;
    ContextAttributes attributes;
    Pen linePen;
    LentImage lentImage;
    std::unique_ptr<Gdiplus::Bitmap> lent;
};

} // namespace host
