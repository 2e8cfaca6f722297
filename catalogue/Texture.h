#pragma once

#include "host/Image.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace host {
class FileLocation;
}

// A texture file's whole content and the image decoded from it. Both are absent when the file
// cannot be read; the image alone is absent when the bytes are no decodable image. Shared, so
// that colours naming the same file hold one copy between them.
struct Texture {
    std::shared_ptr<const std::vector<std::uint8_t>> data;
    std::shared_ptr<const host::Image> image;
};

// Texture files longer than this are not read: the largest image the drawing library decodes, as
// an uncompressed 32-bit BMP, is shorter.
inline constexpr std::uint64_t MaxTextureFileLength = std::uint64_t(host::Image::MaxPixels) * 4 + (1 << 20);

// Reads the file at `location` and decodes it with jpegFileType.
Texture LoadTexture(const host::FileLocation& location);
