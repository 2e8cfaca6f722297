// Texture files that lie, are cut short or ask for more than the decoder gives. Each is decoded
// with both file types; the outcome is the same image for both, or no image.
//
// Covered elsewhere: truncated BMP pixels, BMPs beyond the side and pixel limits, bytes of no known
// format (tests/host/core ImageTest); textures that are missing, folders, pipes or no image
// (tests/catalogue ColorEntityTest, tests/host/core FileTest).

#include "catalogue/ImageFileTypes.h"
#include "host/Image.h"
#include "support/ImageFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Size {
    int width;
    int height;
};

struct TextureCase {
    const char* name;
    std::function<Bytes()> make;
    std::optional<Size> decoded = std::nullopt; // none: the file is refused
};

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes.at(at + i) = std::uint8_t(value >> (8 * i));
    }
}

// A JPEG's segment with `marker`, as the offset of its first byte after the length.
std::size_t Segment(const Bytes& jpeg, std::uint8_t marker) {
    for (std::size_t at = 2; at + 4 <= jpeg.size();) {
        if (jpeg[at + 1] == marker) {
            return at + 4;
        }
        at += 2 + (std::size_t(jpeg[at + 2]) << 8 | jpeg[at + 3]);
    }
    throw std::runtime_error("no such segment");
}

Bytes JpegOfSize(int width, int height) {
    Bytes jpeg = testsupport::MakeJpeg(16, 16, {200, 120, 40, 255, 0});
    const std::size_t frame = Segment(jpeg, 0xC0);
    jpeg.at(frame + 1) = std::uint8_t(height >> 8);
    jpeg.at(frame + 2) = std::uint8_t(height);
    jpeg.at(frame + 3) = std::uint8_t(width >> 8);
    jpeg.at(frame + 4) = std::uint8_t(width);
    return jpeg;
}

// The colour JPEG with its AC Huffman table 1, which the colour components' scan uses, renamed 3.
Bytes JpegWithUndefinedHuffmanTable() {
    Bytes jpeg = testsupport::MakeJpeg(16, 16, {30, 160, 90, 255, 0});
    const std::size_t tables = Segment(jpeg, 0xC4);
    const std::size_t end = tables + (std::size_t(jpeg[tables - 2]) << 8 | jpeg[tables - 1]) - 2;
    for (std::size_t at = tables; at < end;) {
        std::size_t values = 0;
        for (std::size_t i = 1; i <= 16; ++i) {
            values += jpeg[at + i];
        }
        if (jpeg[at] == 0x11) {
            jpeg[at] = 0x13;
        }
        at += 17 + values;
    }
    return jpeg;
}

// The JPEG with its scan written twice: every scan walks the whole image again.
Bytes JpegRepeatingItsScan() {
    Bytes jpeg = testsupport::MakeJpeg(16, 16, {30, 160, 90, 255, 0});
    const auto scan = jpeg.begin() + std::ptrdiff_t(Segment(jpeg, 0xDA) - 4);
    const Bytes copy(scan, jpeg.end() - 2);
    jpeg.insert(jpeg.end() - 2, copy.begin(), copy.end());
    return jpeg;
}

// An 8-bit BMP of 4 x 2 pixels with `entries` palette entries whose pixels hold `index`.
Bytes PalettedBmp(int entries, std::uint8_t index, bool os2) {
    const std::size_t header = os2 ? 12 : 40;
    const std::size_t entrySize = os2 ? 3 : 4;
    const std::size_t offset = 14 + header + entries * entrySize;
    Bytes bmp(offset + 8, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    Put32(bmp, 2, std::uint32_t(bmp.size()));
    Put32(bmp, 10, std::uint32_t(offset));
    Put32(bmp, 14, std::uint32_t(header));
    if (os2) {
        bmp[18] = 4;
        bmp[20] = 2;
        bmp[22] = 1;
        bmp[24] = 8;
    } else {
        Put32(bmp, 18, 4);
        Put32(bmp, 22, 2);
        bmp[26] = 1;
        bmp[28] = 8;
        Put32(bmp, 46, std::uint32_t(entries));
    }
    for (int i = 0; i < entries; ++i) {
        bmp[14 + header + i * entrySize] = std::uint8_t(i);
    }
    std::fill(bmp.begin() + std::ptrdiff_t(offset), bmp.end(), index);
    return bmp;
}

Bytes Regression(const char* name) {
    std::ifstream in(std::filesystem::path(TN_SOURCE_DIR) / "tests/fuzz/regressions/texture" / name,
                     std::ios::binary);
    Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.empty()) {
        throw std::runtime_error(std::string("no regression file ") + name);
    }
    return bytes;
}

Bytes Cut(Bytes bytes, std::size_t length) {
    bytes.resize(length);
    return bytes;
}

const Bytes jpeg = testsupport::MakeJpeg(64, 64, {30, 160, 90, 255, 0});

class HostileTexture : public ::testing::TestWithParam<TextureCase> {};

TEST_P(HostileTexture, DecodesTheSameWithEitherTypeOrNotAtAll) {
    LookUpImageFileTypes();
    const Bytes bytes = GetParam().make();
    for (const std::int32_t type : {jpegFileType, bmpFileType}) {
        SCOPED_TRACE(type);
        const auto image = host::Image::Decode(bytes.data(), bytes.size(), type);
        if (!GetParam().decoded) {
            EXPECT_EQ(image, nullptr);
            continue;
        }
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->GetWidth(), GetParam().decoded->width);
        EXPECT_EQ(image->GetHeight(), GetParam().decoded->height);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileTexture,
    ::testing::Values(
        TextureCase{"BmpDeclaring100000By100000", [] { return testsupport::MakeBmpHeader(100000, 100000); }},
        TextureCase{"JpegDeclaring65535By65535", [] { return JpegOfSize(65535, 65535); }},
        TextureCase{"JpegDeclaringNoWidth", [] { return JpegOfSize(0, 16); }},
        TextureCase{"JpegCutInItsHeaders", [] { return Cut(jpeg, 40); }},
        TextureCase{"JpegCutBeforeItsScan", [] { return Cut(jpeg, Segment(jpeg, 0xDA) - 4); }},
        TextureCase{"JpegCutInItsScan", [] { return Cut(jpeg, jpeg.size() - 40); }},
        TextureCase{"JpegWithAnUndefinedHuffmanTable", JpegWithUndefinedHuffmanTable},
        TextureCase{"JpegWithAnUndefinedQuantisationTable",
                    [] { return Regression("jpeg-undefined-quantisation-table.jpg"); }},
        // Read as it stands, the table would overrun stb's array of code sizes.
        TextureCase{"JpegWithAHuffmanTableOfTooManyCodes",
                    [] { return Regression("jpeg-huffman-table-of-too-many-codes.jpg"); }},
        TextureCase{"JpegRepeatingItsScan", JpegRepeatingItsScan},
        // 3360 x 13021 pixels in 862 bytes: stb took seconds to make up the missing blocks.
        TextureCase{"JpegOfFortyMegapixelsInEightHundredBytes",
                    [] { return Regression("jpeg-megapixels-of-missing-data.jpg"); }},
        TextureCase{"JpegOfOneFlatColourAt4096By4096",
                    [] {
                        return testsupport::MakeJpeg(2048, 2048, {90, 90, 90, 255, 0});
                    },
                    Size{2048, 2048}},
        // stb makes the rest of the block zero (on the way, its bit count goes below zero).
        TextureCase{"JpegWithAMarkerInsideABlock",
                    [] { return Regression("jpeg-marker-inside-a-block.jpg"); }, Size{17, 231}},
        TextureCase{"JpegWithAComponentNoScanFills",
                    [] { return Regression("jpeg-component-without-scan.jpg"); }},
        TextureCase{"BmpWithItsPixelsPastTheEnd",
                    [] {
                        Bytes bmp = testsupport::MakeBmp(4, 4, {1, 2, 3, 255, 0});
                        Put32(bmp, 10, 100000);
                        return bmp;
                    }},
        TextureCase{"BmpWithItsPaletteBeforeItsHeadersEnd",
                    [] { return Regression("bmp-palette-before-headers-end.bmp"); }},
        TextureCase{"BmpWithANegativeCompression", [] { return Regression("bmp-negative-compression.bmp"); }},
        TextureCase{"BmpWithPixelsBeyondItsPalette", [] { return PalettedBmp(2, 200, false); }},
        TextureCase{"BmpWithAShortPaletteCoveringItsPixels", [] { return PalettedBmp(16, 15, false); },
                    Size{4, 2}},
        // stb reads four entries fewer than a 12-byte-header BMP holds.
        TextureCase{"Os2BmpUsingItsLastPaletteEntries", [] { return PalettedBmp(256, 255, true); }},
        TextureCase{"Os2BmpUsingItsFirstPaletteEntries", [] { return PalettedBmp(256, 3, true); },
                    Size{4, 2}}),
    [](const auto& info) { return info.param.name; });

} // namespace
