#include "host/Image.h"

#include <stb_image_write.h>

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

} // namespace host
