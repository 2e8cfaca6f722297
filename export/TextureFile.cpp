#include "export/TextureFile.h"

#include "catalogue/ColorEntity.h"
#include "catalogue/ImageFileTypes.h"
#include "catalogue/ReadWholeFile.h"
#include "catalogue/Texture.h"
#include "export/BmpImage.h"
#include "host/Bitmap.h"
#include "host/BitmapDevice.h"
#include "host/DrawContext.h"
#include "host/Image.h"
#include "loading/ColourAmount.h"
#include "loading/ModuleLocation.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace {

// The bitmap holds premultiplied colours; the file wants each pixel's own colour.
BmpPixel Unpremultiplied(const std::uint8_t* bgra) {
    const unsigned alpha = bgra[3];
    if (alpha == 255) {
        return {bgra[0], bgra[1], bgra[2], 255};
    }
    if (alpha == 0) {
        return {0, 0, 0, 0};
    }
    auto channel = [alpha](unsigned value) {
        const unsigned colour = (value * 255 + alpha / 2) / alpha;
        return std::uint8_t(colour > 255 ? 255 : colour);
    };
    return {channel(bgra[0]), channel(bgra[1]), channel(bgra[2]), std::uint8_t(alpha)};
}

// The image washed with the colour's solid colour at colourAmount, as a 24-bit BMP of its size.
BmpImage MakeWashedTexture(const host::Image& image, ColorEntity& colour) {
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    host::Bitmap bitmap(width, height);
    {
        host::BitmapDevice device(bitmap);
        host::ContextAttributes attributes;
        attributes.antialiasing = false;
        const std::unique_ptr<host::DrawContext> context = device.ObtainContext(attributes);
        const host::RealRect whole(0, 0, width, height);
        context->DrawImage(image, whole);
        if (colour.hasColour) {
            colour.colour.alpha = colourAmount;
            context->FillRect(whole, host::SolidPattern(colour.colour));
        }
        context->Flush();
    }
    BmpImage bmp;
    bmp.SetSize(width, height);
    bmp.SetBitDepth(24);
    const std::uint8_t* pixels = bitmap.GetPixels();
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* line = pixels + std::size_t(row) * std::size_t(bitmap.GetStride());
        for (int column = 0; column < width; ++column) {
            bmp.SetPixel(column, row, Unpremultiplied(line + std::size_t(column) * 4));
        }
    }
    return bmp;
}

host::Result GetTextureFileName(const ColorEntity& colour, host::UniString& name) {
    host::UniString textureName;
    if (host::Result result = colour.texture.GetLastLocalName(textureName); result != host::NoError) {
        return result;
    }
    name = textureName.Append(colour.GetNameTail()).Append(".bmp");
    return host::NoError;
}

} // namespace

host::FileLocation WriteTextureFile(ColorEntity& colour) {
    host::FileLocation target = textureLibraryFolder;
    std::unique_ptr<host::Image> image;
    {
        std::vector<std::uint8_t> bytes;
        if (ReadWholeFile(colour.texture, bytes, MaxTextureFileLength) != host::NoError) {
            return target;
        }
        image = host::Image::Decode(bytes.data(), bytes.size(), bmpFileType);
    }
    // Bytes that are no image, or one beyond the decoder's limits, count as an unreadable texture.
    if (image == nullptr) {
        return target;
    }
    const BmpImage bmp = MakeWashedTexture(*image, colour);
    image.reset();
    host::UniString name;
    host::UniString path;
    if (GetTextureFileName(colour, name) == host::NoError && target.AppendName(name) == host::NoError &&
        target.GetPathString(path) == host::NoError) {
        // Paths stay UTF-8 inside; the file library hands them to the system as it needs them.
        bmp.WriteToFile(path.ToStdString());
    }
    return target;
}
