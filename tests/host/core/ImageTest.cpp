#include "host/Image.h"
#include "host/FileTypes.h"

#include "support/ImageFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

using testsupport::MakeBmp;
using testsupport::MakeJpeg;

struct Bgra {
    int blue, green, red, alpha;
};

Bgra PixelAt(const host::Image& image, int x, int y) {
    const std::uint8_t* p = image.GetPixels() + y * image.GetStride() + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

std::unique_ptr<host::Image> Decode(const std::vector<std::uint8_t>& bytes, const char* mimeType) {
    return host::Image::Decode(bytes.data(), bytes.size(), host::LookUpFileType(mimeType));
}

TEST(Image, DecodesBmpIntoBlueGreenRedAlphaOrder) {
    const auto image = Decode(MakeBmp(5, 3, {200, 100, 50}), "image/x-bmp");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), 5);
    EXPECT_EQ(image->GetHeight(), 3);
    EXPECT_EQ(image->GetStride(), 20);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{4, 2}}) {
        const Bgra pixel = PixelAt(*image, x, y);
        EXPECT_EQ(pixel.blue, 50);
        EXPECT_EQ(pixel.green, 100);
        EXPECT_EQ(pixel.red, 200);
        EXPECT_EQ(pixel.alpha, 255);
    }
}

TEST(Image, PremultipliesTranslucentPixels) {
    const auto image = Decode(MakeBmp(2, 2, {200, 100, 0, 128}, 32), "image/x-bmp");
    ASSERT_NE(image, nullptr);
    const Bgra pixel = PixelAt(*image, 1, 1);
    EXPECT_EQ(pixel.red, 100);
    EXPECT_EQ(pixel.green, 50);
    EXPECT_EQ(pixel.blue, 0);
    EXPECT_EQ(pixel.alpha, 128);
}

TEST(Image, RecognisesTheFormatFromTheBytesWhateverTheHint) {
    const std::vector<std::uint8_t> jpeg = MakeJpeg(16, 8, {30, 160, 90});
    const std::vector<std::uint8_t> bmp = MakeBmp(4, 4, {1, 2, 3});
    for (const char* hint : {"image/jpeg", "image/x-bmp", "image/x-unknown"}) {
        SCOPED_TRACE(hint);
        const auto fromJpeg = Decode(jpeg, hint);
        ASSERT_NE(fromJpeg, nullptr);
        EXPECT_EQ(fromJpeg->GetWidth(), 16);
        const Bgra pixel = PixelAt(*fromJpeg, 3, 3);
        EXPECT_LE(std::abs(pixel.red - 30), 4);
        EXPECT_LE(std::abs(pixel.green - 160), 4);
        EXPECT_LE(std::abs(pixel.blue - 90), 4);
        EXPECT_EQ(pixel.alpha, 255);
        EXPECT_NE(Decode(bmp, hint), nullptr);
    }
}

TEST(Image, RefusesWhatIsNoJpegOrBmp) {
    EXPECT_EQ(Decode(testsupport::MakePng(4, 4, {1, 2, 3}), "image/jpeg"), nullptr);
    EXPECT_EQ(Decode({}, "image/jpeg"), nullptr);
    EXPECT_EQ(Decode({'B', 'M'}, "image/x-bmp"), nullptr);
    EXPECT_EQ(Decode(std::vector<std::uint8_t>(1000, 0xFF), "image/jpeg"), nullptr);
    EXPECT_EQ(host::Image::Decode(nullptr, 10, 0), nullptr);
}

TEST(Image, TruncatedFilesDoNotDecodeIntoGarbageOrCrash) {
    const std::vector<std::uint8_t> jpeg = MakeJpeg(64, 64, {30, 160, 90});
    for (std::size_t length : {std::size_t(3), std::size_t(20), jpeg.size() / 3}) {
        host::Image::Decode(jpeg.data(), length, 0);
    }
    const std::vector<std::uint8_t> bmp = MakeBmp(64, 64, {1, 2, 3});
    EXPECT_EQ(host::Image::Decode(bmp.data(), 60, 0), nullptr);
}

TEST(Image, RefusesImagesBeyondTheSizeLimits) {
    EXPECT_EQ(Decode(testsupport::MakeBmpHeader(host::Image::MaxSide + 1, 2), "image/x-bmp"), nullptr);
    EXPECT_EQ(Decode(testsupport::MakeBmpHeader(2, host::Image::MaxSide + 1), "image/x-bmp"), nullptr);
    EXPECT_EQ(Decode(testsupport::MakeBmpHeader(10000, 10000), "image/x-bmp"), nullptr);
}

TEST(Image, PixelsMustMatchTheSize) {
    EXPECT_THROW(host::Image(2, 2, std::vector<std::uint8_t>(15)), std::invalid_argument);
    EXPECT_THROW(host::Image(-1, 2, {}), std::invalid_argument);
    const host::Image image(2, 1, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(image.GetPixels()[4], 5);
}

} // namespace
