#include "host/OffscreenContext.h"

#include <algorithm>

#include "host/gdiplus/GdiplusNative.h"

namespace host {

OffscreenContext::OffscreenContext(Bitmap& bitmap)
    : OffscreenContext(bitmap, 0, 0, bitmap.GetWidth(), bitmap.GetHeight()) {}

OffscreenContext::OffscreenContext(Bitmap& bitmap, int left, int top, int width, int height) {
    std::unique_ptr<NativeDrawContext> context = NativeContextOver(bitmap);
    if (context->graphics) {
        context->graphics->TranslateTransform(float(left), float(top));
        context->graphics->SetClip(Gdiplus::RectF(0, 0, float(std::max(width, 0)), float(std::max(height, 0))));
        context->memory->originX = left;
        context->memory->originY = top;
        context->memory->clipWidth = std::max(width, 0);
        context->memory->clipHeight = std::max(height, 0);
    }
    native = context.release();
}

OffscreenContext::~OffscreenContext() {
    if (native->graphics) {
        native->graphics->Flush(Gdiplus::FlushIntentionSync);
    }
    delete native;
}

} // namespace host
