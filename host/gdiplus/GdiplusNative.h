#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <memory>

#include "host/Bitmap.h"
#include "host/Colour.h"
#include "host/NativeDrawContext.h"

namespace host {

// A native drawing context is a GDI+ graphics object, and for a bitmap also the GDI+ bitmap over
// its pixels that the graphics draws into.
struct NativeDrawContext {
    std::unique_ptr<Gdiplus::Bitmap> surface;
    std::unique_ptr<Gdiplus::Graphics> graphics;
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
