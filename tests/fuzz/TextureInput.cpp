#include "FuzzDataFolder.h"
#include "FuzzInputs.h"

#include "catalogue/ColorEntity.h"
#include "catalogue/ImageFileTypes.h"
#include "host/Image.h"

#include <cstring>
#include <memory>

namespace fuzzing {

namespace {

bool SameImage(const host::Image* a, const host::Image* b) {
    if (a == nullptr || b == nullptr) {
        return a == b;
    }
    return a->GetWidth() == b->GetWidth() && a->GetHeight() == b->GetHeight() &&
           std::memcmp(a->GetPixels(), b->GetPixels(), std::size_t(a->GetStride()) * a->GetHeight()) == 0;
}

std::string CheckImage(const host::Image& image) {
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    if (width < 1 || height < 1 || width > host::Image::MaxSide || height > host::Image::MaxSide ||
        std::int64_t(width) * height > host::Image::MaxPixels) {
        return "an image beyond the size limits";
    }
    const std::uint8_t* pixels = image.GetPixels();
    for (std::size_t i = 0; i < std::size_t(image.GetStride()) * height; i += 4) {
        if (pixels[i] > pixels[i + 3] || pixels[i + 1] > pixels[i + 3] || pixels[i + 2] > pixels[i + 3]) {
            return "a pixel whose colour is not premultiplied by its alpha";
        }
    }
    return {};
}

} // namespace

std::string DecodeTexture(const std::uint8_t* bytes, std::size_t size) {
    LookUpImageFileTypes();
    const std::unique_ptr<host::Image> asBmp = host::Image::Decode(bytes, size, bmpFileType);
    const std::unique_ptr<host::Image> asJpeg = host::Image::Decode(bytes, size, jpegFileType);
    if (!SameImage(asBmp.get(), asJpeg.get())) {
        return "the file type changed the decoded image";
    }
    if (asJpeg != nullptr) {
        if (std::string problem = CheckImage(*asJpeg); !problem.empty()) {
            return problem;
        }
    }

    WriteDataFile("texture.jpg", bytes, size);
    const ColorEntity colour("M", "S", "N", "", "T", "", -1, -1, -1,
                             host::FileLocation((GetDataFolder() / "texture.jpg").string()), false, "", -1,
                             -1, -1, false, false);
    if (colour.textureData == nullptr || colour.textureData->size() != size) {
        return "the texture file was not read whole";
    }
    if (!SameImage(colour.textureImage.get(), asJpeg.get())) {
        return "the colour record decoded its texture otherwise";
    }
    if (colour.blank != (colour.textureImage == nullptr)) {
        return "a colour's blank flag disagrees with its image";
    }
    return {};
}

} // namespace fuzzing
