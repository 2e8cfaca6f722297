#include "widgets/DrawImageTiled.h"

#include "host/DrawContext.h"
#include "host/Image.h"
#include "host/RealRect.h"

void DrawImageTiled(host::DrawContext& context, const host::RealRect& r, const host::Image& image) {
    const double iw = image.GetWidth();
    const double ih = image.GetHeight();
    // An image without pixels would never cover the rectangle.
    if (iw <= 0 || ih <= 0) {
        return;
    }
    double x = r.left;
    double y = r.top;
    for (;;) {
        host::RealRect destination(x, y, x + iw, y + ih);
        host::RealRect source(0, 0, iw, ih);
        if (iw > r.right - x) {
            destination.right = r.right;
            source.right = r.right - x;
        }
        if (ih > r.bottom - y) {
            destination.bottom = r.bottom;
            source.bottom = r.bottom - y;
        }
        context.DrawImage(image, destination, source);
        x += iw;
        if (x < r.right) {
            continue;
        }
        if (y + ih >= r.bottom) {
            return;
        }
        x = r.left;
        y += ih;
    }
}
