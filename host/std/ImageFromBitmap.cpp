#include <new>

#include "host/Bitmap.h"
#include "host/Image.h"
#include "host/MemoryHandle.h"

namespace host {

std::unique_ptr<Image> Image::FromBitmap(const Bitmap& bitmap) {
    const std::uint8_t* pixels = bitmap.GetPixels();
    const std::size_t length = static_cast<std::size_t>(bitmap.GetStride()) * bitmap.GetHeight();
    try {
        return std::make_unique<Image>(bitmap.GetWidth(), bitmap.GetHeight(),
                                       std::vector<std::uint8_t>(pixels, pixels + length));
    } catch (const std::bad_alloc&) {
        throw OutOfMemory();
    }
}

} // namespace host
