#include "host/Bitmap.h"

#include <cstddef>
#include <new>

#include "host/MemoryHandle.h"

namespace host {

Bitmap::Bitmap(int w, int h) {
    w = w < 0 ? 0 : w;
    h = h < 0 ? 0 : h;
    if (w > MaxSide || h > MaxSide || std::int64_t{w} * h > MaxPixels) {
        return;
    }
    try {
        pixels.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
    } catch (const std::bad_alloc&) {
        throw OutOfMemory();
    }
    width = w;
    height = h;
}

} // namespace host
