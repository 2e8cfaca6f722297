#include "host/Image.h"

#include <stb_image_write.h>

#include <algorithm>
#include <vector>

namespace host {
namespace {

struct Sink {
    const ByteSink& write;
    bool failed = false;
};

// stb reports no failure of its own writes; the first one refused is remembered here.
void WriteChunk(void* context, void* data, int size) {
    auto* sink = static_cast<Sink*>(context);
    if (!sink->failed && !sink->write(data, std::size_t(size))) {
        sink->failed = true;
    }
}

} // namespace

bool EncodeBmp24(int width, int height, const std::uint8_t* rgb, const ByteSink& write) {
    if (width < 1 || height < 1 || rgb == nullptr) {
        return false;
    }
    Sink sink{write};
    const bool encoded = stbi_write_bmp_to_func(&WriteChunk, &sink, width, height, 3, rgb) != 0;
    return encoded && !sink.failed;
}

bool EncodePng(const Image& image, const ByteSink& write) {
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    if (width < 1 || height < 1) {
        return false;
    }
    std::vector<std::uint8_t> rgba(std::size_t(width) * std::size_t(height) * 4);
    const std::uint8_t* bgra = image.GetPixels();
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        const unsigned alpha = bgra[i + 3];
        const auto own = [alpha](unsigned value) {
            return std::uint8_t(alpha == 0 ? 0 : std::min(255u, (value * 255 + alpha / 2) / alpha));
        };
        rgba[i] = own(bgra[i + 2]);
        rgba[i + 1] = own(bgra[i + 1]);
        rgba[i + 2] = own(bgra[i]);
        rgba[i + 3] = std::uint8_t(alpha);
    }
    Sink sink{write};
    const bool encoded = stbi_write_png_to_func(&WriteChunk, &sink, width, height, 4, rgba.data(), width * 4) != 0;
    return encoded && !sink.failed;
}

} // namespace host
