#include "tools/catgen/JpegEncoding.h"

#include <stb_image_write.h>

#include <cstddef>

namespace {

void Append(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

} // namespace

std::vector<std::uint8_t> EncodeJpeg(const std::vector<std::uint8_t>& rgbPixels, int size, int quality) {
    if (size <= 0 || rgbPixels.size() != static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 3)
        return {};
    std::vector<std::uint8_t> jpeg;
    if (!stbi_write_jpg_to_func(Append, &jpeg, size, size, 3, rgbPixels.data(), quality))
        return {};
    return jpeg;
}
