#include "catalogue/Texture.h"

#include "catalogue/ImageFileTypes.h"
#include "catalogue/ReadWholeFile.h"
#include "host/Result.h"

Texture LoadTexture(const host::FileLocation& location) {
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(location, bytes, MaxTextureFileLength) != host::NoError) {
        return {};
    }
    Texture texture;
    texture.image = host::Image::Decode(bytes.data(), bytes.size(), jpegFileType);
    texture.data = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    return texture;
}
