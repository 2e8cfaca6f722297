#pragma once

#include "host/NativeDrawContext.h"

namespace host {

class Bitmap;

// A native drawing context that draws into a bitmap: the stand-in for a window's context where there
// is no window (off-screen rendering, tests, benchmarks). Like the context that a window's update event
// carries for one of its items, its origin may lie inside the bitmap and drawing is clipped to the
// item's area. The bitmap must outlive it; drawing has reached the bitmap's pixels once the drawing
// contexts over it are released.
class OffscreenContext {
public:
    // The whole bitmap, with the origin at its top-left corner.
    explicit OffscreenContext(Bitmap& bitmap);
    // The item area (left, top) to (left + width, top + height) of the bitmap, with the origin at its
    // top-left corner.
    OffscreenContext(Bitmap& bitmap, int left, int top, int width, int height);
    ~OffscreenContext();

    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;

    NativeDrawContext* GetNative() const { return native; }

private:
    NativeDrawContext* native;
};

} // namespace host
