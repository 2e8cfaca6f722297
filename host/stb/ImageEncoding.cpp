#include "host/Image.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace host {
namespace {

// stb hands its output on in pieces of a few bytes; they are gathered into large ones, so that the
// receiver (a file write through the C runtime) is called some hundred times per texture, not some
// hundred thousand. stb reports no failure of its own writes; the first one refused is remembered.
class Sink {
public:
    explicit Sink(const ByteSink& write) : write(write) { buffer.reserve(Capacity); }

    void Take(const void* data, std::size_t size) {
        if (buffer.size() + size > Capacity) {
            Flush();
        }
        if (size >= Capacity) {
            // A piece as large as the buffer (a PNG's whole compressed data) goes on by itself.
            failed = failed || !write(data, size);
            return;
        }
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        buffer.insert(buffer.end(), bytes, bytes + size);
    }

    // Hands on what is gathered; answers whether everything so far was taken.
    bool Flush() {
        if (!failed && !buffer.empty() && !write(buffer.data(), buffer.size())) {
            failed = true;
        }
        buffer.clear();
        return !failed;
    }

private:
    static constexpr std::size_t Capacity = 64 * 1024;
    const ByteSink& write;
    std::vector<std::uint8_t> buffer;
    bool failed = false;
};

void WriteChunk(void* context, void* data, int size) {
    static_cast<Sink*>(context)->Take(data, std::size_t(size));
}

} // namespace

bool EncodeBmp24(int width, int height, const std::uint8_t* rgb, const ByteSink& write) {
    if (width < 1 || height < 1 || rgb == nullptr) {
        return false;
    }
    Sink sink(write);
    const bool encoded = stbi_write_bmp_to_func(&WriteChunk, &sink, width, height, 3, rgb) != 0;
    return sink.Flush() && encoded;
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
    Sink sink(write);
    const bool encoded = stbi_write_png_to_func(&WriteChunk, &sink, width, height, 4, rgba.data(), width * 4) != 0;
    return sink.Flush() && encoded;
}

} // namespace host
