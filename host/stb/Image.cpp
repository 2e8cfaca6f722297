#include "host/Image.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <stdexcept>
#include <vector>

#include <stb_image.h>

namespace host {

namespace {

bool IsJpegOrBmp(const unsigned char* bytes, std::size_t length) {
    const bool jpeg = length >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
    const bool bmp = length >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
    return jpeg || bmp;
}

std::uint32_t Little(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    return value;
}

// The fields of a BMP's headers that decide how stb reads its pixels, as stb reads them.
struct BmpHeader {
    std::int64_t pixelOffset;
    std::uint32_t headerSize;
    bool os2; // the 12-byte header
    std::int64_t width;
    std::int64_t height; // negative for rows top to bottom
    std::int64_t bitsPerPixel;
    std::int32_t compression; // stb takes negative values for none

    bool IsUncompressed() const { return compression <= 0 || compression == 3; }
    std::int64_t RowSize() const { return (width * bitsPerPixel + 31) / 32 * 4; }
    std::int64_t Rows() const { return height < 0 ? -height : height; }
};

// Null when the bytes cannot hold the headers.
std::optional<BmpHeader> ReadBmpHeader(const unsigned char* bytes, std::size_t length) {
    if (length < 26) {
        return std::nullopt;
    }
    BmpHeader header{};
    header.pixelOffset = Little(bytes + 10, 4);
    header.headerSize = Little(bytes + 14, 4);
    header.os2 = header.headerSize == 12;
    if (!header.os2 && length < 34) {
        return std::nullopt;
    }
    header.width = header.os2 ? Little(bytes + 18, 2) : std::int32_t(Little(bytes + 18, 4));
    header.height = header.os2 ? Little(bytes + 20, 2) : std::int32_t(Little(bytes + 22, 4));
    header.bitsPerPixel = Little(bytes + (header.os2 ? 24 : 28), 2);
    header.compression = header.os2 ? 0 : std::int32_t(Little(bytes + 30, 4));
    return header;
}

// An uncompressed BMP must hold all the rows its header promises; the decoder would fill the
// missing ones with zeros.
bool IsComplete(const BmpHeader& header, std::size_t length) {
    // Larger images are refused anyway; this keeps the sums below small.
    if (header.width > Image::MaxSide || header.Rows() > Image::MaxSide) {
        return false;
    }
    if (!header.IsUncompressed()) {
        return true;
    }
    return header.width >= 0 && std::int64_t(length) >= header.pixelOffset + header.RowSize() * header.Rows();
}

// stb takes the colours of palettised pixels from a palette on its stack, of which it fills only
// the entries it counts between the headers and the pixels (fewer than the file holds, for the
// 12-byte header). A pixel beyond them, or a palette before the headers' end, would bring in
// whatever that stack held; such files are refused. Needs a complete BMP.
bool PaletteCoversPixels(const BmpHeader& header, const unsigned char* bytes) {
    const std::int64_t bits = header.bitsPerPixel;
    if ((bits != 1 && bits != 4 && bits != 8) || !header.IsUncompressed()) {
        return true; // no palette, or stb refuses the file itself
    }
    const std::int64_t offset = std::int32_t(header.pixelOffset);
    const std::int64_t entries =
        header.os2 ? (offset - 14 - 24) / 3 : (offset - 14 - std::int64_t(header.headerSize)) >> 2;
    if (entries < 1 || entries > 256) {
        return false;
    }
    if (entries >= std::int64_t(1) << bits) {
        return true;
    }
    const std::int64_t perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (std::int64_t row = 0; row < header.Rows(); ++row) {
        const unsigned char* pixels = bytes + offset + row * header.RowSize();
        for (std::int64_t column = 0; column < header.width; ++column) {
            const int shift = int(8 - bits * (column % perByte + 1));
            if (std::int64_t((pixels[column / perByte] >> shift) & mask) >= entries) {
                return false;
            }
        }
    }
    return true;
}

bool IsSoundBmp(const unsigned char* bytes, std::size_t length) {
    const std::optional<BmpHeader> header = ReadBmpHeader(bytes, length);
    return header && IsComplete(*header, length) && PaletteCoversPixels(*header, bytes);
}

// Which tables of a JPEG have been defined so far: quantisation, DC and AC Huffman tables 0 to 3.
struct JpegTables {
    std::array<bool, 4> quantisation{};
    std::array<bool, 4> dc{};
    std::array<bool, 4> ac{};

    // Reads a DQT segment as stb does; false where stb fails.
    bool DefineQuantisation(const unsigned char* segment, std::size_t length) {
        for (std::size_t at = 0; at < length;) {
            const unsigned precision = segment[at] >> 4;
            const unsigned table = segment[at] & 15;
            if (precision > 1 || table > 3 || at + 1 + 64 * (precision + 1) > length) {
                return false;
            }
            quantisation[table] = true;
            at += 1 + 64 * (precision + 1);
        }
        return true;
    }

    // Reads a DHT segment as stb does; false where stb fails.
    bool DefineHuffman(const unsigned char* segment, std::size_t length) {
        for (std::size_t at = 0; at < length;) {
            const unsigned kind = segment[at] >> 4;
            const unsigned table = segment[at] & 15;
            if (kind > 1 || table > 3 || at + 17 > length) {
                return false;
            }
            std::size_t values = 0;
            for (std::size_t i = 1; i <= 16; ++i) {
                values += segment[at + i];
            }
            if (values > 256 || at + 17 + values > length) {
                return false;
            }
            (kind == 0 ? dc : ac)[table] = true;
            at += 17 + values;
        }
        return true;
    }
};

// A colour component of a JPEG frame, as the scans fill it.
struct JpegComponent {
    unsigned id;
    unsigned quantisation;
    unsigned horizontal; // sampling factors
    unsigned vertical;
    bool filled = false;
};

// Every 8 x 8 block of every component takes at least one bit of the scans (its DC coefficient's
// code). A file with fewer bits than blocks is mostly missing, and stb would make up the rest: a
// file of a few hundred bytes declaring tens of megapixels kept it busy for seconds.
bool HoldsEveryBlock(const std::vector<JpegComponent>& frame, std::uint64_t width, std::uint64_t height,
                     std::uint64_t scanBytes) {
    unsigned maxHorizontal = 1;
    unsigned maxVertical = 1;
    for (const JpegComponent& c : frame) {
        maxHorizontal = std::max(maxHorizontal, c.horizontal);
        maxVertical = std::max(maxVertical, c.vertical);
    }
    std::uint64_t blocks = 0;
    for (const JpegComponent& c : frame) {
        const std::uint64_t columns = (width * c.horizontal / maxHorizontal + 7) / 8;
        const std::uint64_t rows = (height * c.vertical / maxVertical + 7) / 8;
        blocks += columns * rows;
    }
    return blocks <= scanBytes * 8;
}

// Scans a progressive JPEG may have: common encoders write about ten. Every scan walks the whole
// image, so that a small file of many scans would keep stb busy for minutes.
constexpr int MaxProgressiveScans = 64;

// stb keeps a JPEG's tables and samples in memory it does not clear: a scan that uses a table the
// file never defined, or a colour component that no scan fills (in a progressive image: no first
// scan of its DC coefficients), would bring in whatever that memory held. Such files are refused,
// and so are files with more scans than they need (a sequential image fills each component in one
// scan). The markers are walked as stb walks them; what this walk cannot follow, stb would refuse
// too.
bool ScansAreSound(const unsigned char* bytes, std::size_t length) {
    std::vector<JpegComponent> frame;
    JpegTables tables;
    bool progressive = false;
    int scans = 0;
    std::uint64_t width = 0;
    std::uint64_t height = 0;
    std::uint64_t scanBytes = 0;
    std::size_t at = 2;
    while (at + 1 < length) {
        if (bytes[at] != 0xFF) {
            return false;
        }
        while (at + 1 < length && bytes[at + 1] == 0xFF) {
            ++at;
        }
        const unsigned marker = at + 1 < length ? bytes[at + 1] : 0;
        at += 2;
        if (marker == 0xD9) {
            break;
        }
        if (at + 2 > length) {
            return false;
        }
        const std::size_t size = std::size_t(bytes[at]) << 8 | bytes[at + 1];
        if (size < 2 || at + size > length) {
            return false;
        }
        const unsigned char* segment = bytes + at + 2;
        const std::size_t segmentLength = size - 2;
        at += size;
        if (marker == 0xDB && !tables.DefineQuantisation(segment, segmentLength)) {
            return false;
        }
        if (marker == 0xC4 && !tables.DefineHuffman(segment, segmentLength)) {
            return false;
        }
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
            if (!frame.empty() || segmentLength < 6 || segmentLength < 6 + std::size_t(segment[5]) * 3) {
                return false;
            }
            progressive = marker == 0xC2;
            height = std::uint64_t(segment[1]) << 8 | segment[2];
            width = std::uint64_t(segment[3]) << 8 | segment[4];
            for (std::size_t i = 0; i < segment[5]; ++i) {
                const unsigned sampling = segment[7 + i * 3];
                frame.push_back(
                    {segment[6 + i * 3], segment[8 + i * 3] & 15u, sampling >> 4, sampling & 15u});
            }
        } else if (marker == 0xDA) {
            const std::size_t count = segmentLength > 0 ? segment[0] : 0;
            if (frame.empty() || segmentLength < 1 + count * 2 + 3 || ++scans > MaxProgressiveScans) {
                return false;
            }
            const unsigned spectralStart = segment[1 + count * 2];
            const bool firstDc = spectralStart == 0 && segment[3 + count * 2] >> 4 == 0;
            const bool usesDc = !progressive || firstDc;
            const bool usesAc = !progressive || spectralStart > 0;
            for (std::size_t i = 0; i < count; ++i) {
                // A scan's component is the frame's first of that id.
                const auto component = std::find_if(frame.begin(), frame.end(), [&](const JpegComponent& c) {
                    return c.id == segment[1 + i * 2];
                });
                const unsigned dc = segment[2 + i * 2] >> 4;
                const unsigned ac = segment[2 + i * 2] & 15u;
                if (component == frame.end() || (!progressive && component->filled) ||
                    component->quantisation > 3 || !tables.quantisation[component->quantisation] || dc > 3 ||
                    ac > 3 || (usesDc && !tables.dc[dc]) || (usesAc && !tables.ac[ac])) {
                    return false;
                }
                component->filled = component->filled || usesDc;
            }
            // The entropy-coded data runs to the next marker other than a restart.
            const std::size_t dataStart = at;
            while (at + 1 < length && !(bytes[at] == 0xFF && bytes[at + 1] != 0 &&
                                        (bytes[at + 1] < 0xD0 || bytes[at + 1] > 0xD7))) {
                ++at;
            }
            scanBytes += at - dataStart;
        }
    }
    return !frame.empty() &&
           std::all_of(frame.begin(), frame.end(), [](const JpegComponent& c) { return c.filled; }) &&
           HoldsEveryBlock(frame, width, height, scanBytes);
}

bool FitsLimits(int width, int height) {
    return width > 0 && height > 0 && width <= Image::MaxSide && height <= Image::MaxSide &&
           std::int64_t(width) * height <= Image::MaxPixels;
}

std::uint8_t Premultiply(std::uint8_t channel, std::uint8_t alpha) {
    return static_cast<std::uint8_t>((channel * alpha + 127) / 255);
}

// stb gives red, green, blue, alpha; the drawing library keeps blue, green, red, alpha, premultiplied.
// Converted where stb put them, then copied once.
std::vector<std::uint8_t> ToDrawingPixels(unsigned char* rgba, std::size_t pixelCount) {
    for (unsigned char* pixel = rgba; pixel != rgba + pixelCount * 4; pixel += 4) {
        const std::uint8_t alpha = pixel[3];
        const std::uint8_t red = pixel[0];
        if (alpha == 255) {
            pixel[0] = pixel[2];
            pixel[2] = red;
        } else {
            pixel[0] = Premultiply(pixel[2], alpha);
            pixel[1] = Premultiply(pixel[1], alpha);
            pixel[2] = Premultiply(red, alpha);
        }
    }
    return std::vector<std::uint8_t>(rgba, rgba + pixelCount * 4);
}

} // namespace

Image::Image(int width, int height, std::vector<std::uint8_t> pixels)
    : width(width), height(height), pixels(std::move(pixels)) {
    if (width < 0 || height < 0 || this->pixels.size() != std::size_t(width) * std::size_t(height) * 4) {
        throw std::invalid_argument("image pixels do not match its size");
    }
}

std::unique_ptr<Image> Image::Decode(const void* bytes, std::size_t length, std::int32_t /*fileType*/) {
    const auto* data = static_cast<const unsigned char*>(bytes);
    if (data == nullptr || length > std::size_t(INT_MAX) || !IsJpegOrBmp(data, length)) {
        return nullptr;
    }
    // What stb would misread is refused before stb reads anything: already the headers can harm it.
    if (data[0] == 'B' ? !IsSoundBmp(data, length) : !ScansAreSound(data, length)) {
        return nullptr;
    }
    const int byteCount = static_cast<int>(length);
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(data, byteCount, &width, &height, &channels) || !FitsLimits(width, height)) {
        return nullptr;
    }
    const std::unique_ptr<unsigned char, void (*)(void*)> rgba(
        stbi_load_from_memory(data, byteCount, &width, &height, &channels, 4), &stbi_image_free);
    if (rgba == nullptr || !FitsLimits(width, height)) {
        return nullptr;
    }
    return std::make_unique<Image>(width, height, ToDrawingPixels(rgba.get(), std::size_t(width) * height));
}

} // namespace host
