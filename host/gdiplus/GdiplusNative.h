#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "host/Bitmap.h"
#include "host/Colour.h"
#include "host/NativeDrawContext.h"

namespace host {

// The memory of one of our bitmaps that a context draws into, for the fills and copies that are
// blended without GDI+.
struct PixelTarget {
    std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    int originX = 0; // where the context's (0, 0) lies in the bitmap
    int originY = 0;
    int clipWidth = 0; // the context's clip, from its origin
    int clipHeight = 0;
};

// A native drawing context is a GDI+ graphics object, and for a bitmap also the GDI+ bitmap over
// its pixels that the graphics draws into, and those pixels.
struct NativeDrawContext {
    std::unique_ptr<Gdiplus::Bitmap> surface;
    std::unique_ptr<Gdiplus::Graphics> graphics;
    std::optional<PixelTarget> memory;
};

// Starts GDI+ for the process on first use; it stays for the process's life.
void StartGdiplus();

// A GDI+ bitmap lending the memory of premultiplied BGRA pixels, which GDI+ reads and writes in
// place (PixelFormat32bppPARGB). Null for a bitmap without pixels.
std::unique_ptr<Gdiplus::Bitmap> LendPixels(int width, int height, int stride, const std::uint8_t* pixels);

// A context drawing into `bitmap` through a bitmap of GDI+ over its memory.
std::unique_ptr<NativeDrawContext> NativeContextOver(Bitmap& bitmap);

inline Gdiplus::Color ToColor(const Colour& colour) {
    return Gdiplus::Color(colour.alpha, colour.red, colour.green, colour.blue);
}

} // namespace host
