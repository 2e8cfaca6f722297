#include <limits>

#include <gtest/gtest.h>

#include "host/Bitmap.h"
#include "host/BitmapDevice.h"
#include "host/DrawContext.h"
#include "host/OffscreenContext.h"
#include "host/WindowDevice.h"
#include "tests/host/draw/Pixels.h"

namespace {

using namespace drawtest;
using host::Bitmap;
using host::BitmapDevice;
using host::Pen;
using host::RealRect;
using host::SolidPattern;

constexpr host::Colour Red{255, 0, 0, 255};
constexpr Pixel RedPixel{0, 0, 255, 255};
constexpr Pixel BlackPixel{0, 0, 0, 255};

std::unique_ptr<host::DrawContext> Draw(Bitmap& bitmap) {
    return BitmapDevice(bitmap).ObtainContext(Aliased());
}

struct FillCase {
    RealRect rect;
    int left, top, right, bottom; // covered pixels, inclusive
};

class FillTest : public testing::TestWithParam<FillCase> {};

TEST_P(FillTest, CoversExactlyThePixelsInside) {
    const FillCase& c = GetParam();
    Bitmap bitmap(40, 40);
    Draw(bitmap)->FillRect(c.rect, SolidPattern(Red));
    const Ink ink = FindInk(bitmap);
    EXPECT_EQ(ink.left, c.left);
    EXPECT_EQ(ink.top, c.top);
    EXPECT_EQ(ink.right, c.right);
    EXPECT_EQ(ink.bottom, c.bottom);
    EXPECT_EQ(ink.count, (c.right - c.left + 1) * (c.bottom - c.top + 1));
    EXPECT_EQ(At(bitmap, c.left, c.top), RedPixel);
}

INSTANTIATE_TEST_SUITE_P(Rects, FillTest,
                         testing::Values(FillCase{RealRect(0, 0, 30, 30), 0, 0, 29, 29},
                                         FillCase{RealRect(5, 7, 6, 8), 5, 7, 5, 7},
                                         FillCase{RealRect{12, 20, 2, 10}, 2, 10, 11, 19}, // reversed edges
                                         FillCase{RealRect(-1e9, 35, 1e9, 1e9), 0, 35, 39, 39}));

TEST(Fill, TranslucentColourCompositesOverTheImage) {
    const auto image = PatternImage(20, 20);
    Bitmap bitmap(20, 20);
    {
        auto context = Draw(bitmap);
        context->DrawImage(*image, RealRect(0, 0, 20, 20));
        context->FillRect(RealRect(0, 0, 20, 20), SolidPattern({200, 40, 90, 153}));
    }
    auto over = [](int source, int below) { return (source * 153 + below * (255 - 153)) / 255.0; };
    for (int y = 0; y < 20; y += 3) {
        for (int x = 0; x < 20; x += 3) {
            const Pixel below = At(*image, x, y);
            const Pixel result = At(bitmap, x, y);
            EXPECT_NEAR(result.red, over(200, below.red), 1.0) << x << "," << y;
            EXPECT_NEAR(result.green, over(40, below.green), 1.0) << x << "," << y;
            EXPECT_NEAR(result.blue, over(90, below.blue), 1.0) << x << "," << y;
            EXPECT_EQ(result.alpha, 255);
        }
    }
}

TEST(Frame, OnePixelOutlineLiesOnTheEdgesInclusive) {
    Bitmap bitmap(20, 20);
    Draw(bitmap)->FrameRect(RealRect(3, 4, 10, 12), Pen{1.0, Red});
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 3 && x <= 10 && y >= 4 && y <= 12;
            const bool edge = inside && (x == 3 || x == 10 || y == 4 || y == 12);
            EXPECT_EQ(At(bitmap, x, y), edge ? RedPixel : Pixel{}) << x << "," << y;
        }
    }
}

TEST(Frame, ThinAndInvalidPensDrawOnePixel) {
    for (double width : {0.0, 0.3, -4.0, std::numeric_limits<double>::quiet_NaN()}) {
        Bitmap bitmap(10, 10);
        Draw(bitmap)->FrameRect(RealRect(1, 1, 8, 8), Pen{width, Red});
        EXPECT_EQ(FindInk(bitmap).count, 4 * 7) << width;
    }
}

struct LineCase {
    int x1, y1, x2, y2;
    std::vector<std::pair<int, int>> pixels; // exactly the pixels covered
};

class LineTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineTest, CoversBothEndsAndThePixelsBetweenInTheDefaultPen) {
    const LineCase& c = GetParam();
    Bitmap bitmap(16, 16);
    Draw(bitmap)->DrawLine(c.x1, c.y1, c.x2, c.y2);
    std::vector<std::pair<int, int>> covered;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (At(bitmap, x, y) != Pixel{}) {
                EXPECT_EQ(At(bitmap, x, y), BlackPixel);
                covered.emplace_back(x, y);
            }
        }
    }
    EXPECT_EQ(covered, c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineTest,
                         testing::Values(LineCase{2, 5, 5, 5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
                                         LineCase{5, 5, 2, 5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
                                         LineCase{4, 1, 4, 3, {{4, 1}, {4, 2}, {4, 3}}},
                                         LineCase{7, 7, 7, 7, {{7, 7}}},
                                         LineCase{5, 2, 9, 6, {{5, 2}, {6, 3}, {7, 4}, {8, 5}, {9, 6}}}));

TEST(Line, KeepsTheLinePenThatWasSet) {
    Bitmap bitmap(10, 10);
    {
        auto context = Draw(bitmap);
        context->SetLinePen(Pen{0.0, Red});
        context->DrawLine(0, 0, 9, 0);
        context->DrawLine(0, 9, 9, 9);
    }
    EXPECT_EQ(At(bitmap, 9, 9), RedPixel);
    EXPECT_EQ(FindInk(bitmap).count, 20);
}

TEST(Image, SourceOfTheDestinationsSizeIsACut) {
    const auto image = PatternImage(8, 8);
    Bitmap bitmap(20, 20);
    Draw(bitmap)->DrawImage(*image, RealRect(10, 11, 13, 16), RealRect(2, 3, 5, 8));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 10 && x < 13 && y >= 11 && y < 16;
            EXPECT_EQ(At(bitmap, x, y), inside ? At(*image, x - 8, y - 8) : Pixel{}) << x << "," << y;
        }
    }
}

TEST(Image, WholeImageAtIntegerOffsetsInABiggerTarget) {
    const auto image = PatternImage(7, 5);
    for (auto [dx, dy] : {std::pair{0, 0}, std::pair{3, 9}, std::pair{13, 15}}) {
        Bitmap bitmap(20, 20);
        Draw(bitmap)->DrawImage(*image, RealRect(dx, dy, dx + 7, dy + 5));
        EXPECT_EQ(FindInk(bitmap).count, 35);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 7; ++x) {
                ASSERT_EQ(At(bitmap, dx + x, dy + y), At(*image, x, y)) << dx << "," << dy;
            }
        }
    }
}

TEST(Image, ScaledWithoutAntialiasingTakesTheNearestPixel) {
    const auto image = PatternImage(4, 4);
    Bitmap bitmap(8, 8);
    Draw(bitmap)->DrawImage(*image, RealRect(0, 0, 8, 8));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_EQ(At(bitmap, x, y), At(*image, x / 2, y / 2)) << x << "," << y;
        }
    }
}

TEST(Image, SourceBeyondTheImageDrawsOnlyTheImagePart) {
    Bitmap bitmap(10, 10);
    Draw(bitmap)->DrawImage(*PatternImage(4, 4), RealRect(0, 0, 6, 6), RealRect(-2, -2, 4, 4));
    const Ink ink = FindInk(bitmap);
    EXPECT_EQ(ink.left, 2);
    EXPECT_EQ(ink.top, 2);
    EXPECT_EQ(ink.count, 16);
}

TEST(Image, FromBitmapRoundTrips) {
    Bitmap bitmap(9, 6);
    {
        auto context = Draw(bitmap);
        context->DrawImage(*PatternImage(9, 6), RealRect(0, 0, 9, 6));
        context->FillRect(RealRect(2, 2, 5, 4), SolidPattern({10, 20, 30, 100}));
    }
    const auto copy = host::Image::FromBitmap(bitmap);
    ASSERT_EQ(copy->GetWidth(), 9);
    ASSERT_EQ(copy->GetHeight(), 6);
    Bitmap again(9, 6);
    Draw(again)->DrawImage(*copy, RealRect(0, 0, 9, 6));
    EXPECT_TRUE(std::equal(bitmap.GetPixels(), bitmap.GetPixels() + 9 * 6 * 4, again.GetPixels()));
}

TEST(Bitmap, SizesOutsideTheLimitsGiveAnEmptyBitmap) {
    EXPECT_EQ(Bitmap(-3, 5).GetWidth(), 0);
    EXPECT_EQ(Bitmap(Bitmap::MaxSide + 1, 1).GetHeight(), 0);
    EXPECT_EQ(Bitmap(Bitmap::MaxSide, Bitmap::MaxSide).GetWidth(), 0);
    Bitmap bitmap(7, 3);
    EXPECT_EQ(bitmap.GetStride(), 28);
    EXPECT_EQ(FindInk(bitmap).count, 0);
}

TEST(Bitmap, EmptyTargetsAndBadGeometryDrawNothing) {
    const auto image = PatternImage(3, 3);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Bitmap empty(0, 0);
    Bitmap bitmap(5, 5);
    host::WindowDevice nowhere(nullptr);
    std::unique_ptr<host::DrawContext> contexts[] = {Draw(empty), Draw(bitmap),
                                                     nowhere.ObtainContext(Aliased())};
    for (auto& context : contexts) {
        context->FillRect(RealRect{nan, 0, 5, 5}, SolidPattern(Red));
        context->FrameRect(RealRect{0, 0, std::numeric_limits<double>::infinity(), 5}, Pen{1.0, Red});
        context->DrawLine(0, nan, 4, 4);
        context->DrawImage(*image, RealRect(0, 0, 5, 5), RealRect(1, 1, 1, 3));
        context->DrawImage(*image, RealRect(0, 0, 5, 5), RealRect(10, 10, 20, 20));
        context->DrawImage(host::Image(0, 0, {}), RealRect(0, 0, 5, 5));
    }
    EXPECT_EQ(FindInk(bitmap).count, 0);
}

TEST(WindowDevice, DrawsInTheNativeContextsOriginAndClip) {
    Bitmap window(40, 30);
    {
        host::OffscreenContext native(window, 10, 5, 20, 10);
        host::WindowDevice device(native.GetNative());
        auto context = device.ObtainContext(Aliased());
        context->DrawImage(*PatternImage(30, 30), RealRect(-5, -5, 25, 25));
        context->DrawLine(0, 0, 0, 0);
    }
    const Ink ink = FindInk(window);
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.top, 5);
    EXPECT_EQ(ink.right, 29);
    EXPECT_EQ(ink.bottom, 14);
    EXPECT_EQ(At(window, 10, 5), BlackPixel);
    EXPECT_EQ(At(window, 29, 14), At(*PatternImage(30, 30), 24, 14));
}

TEST(RealRect, InsetMovesEdgesInwardAndNormalises) {
    RealRect rect(10, 10, 20, 14);
    rect.Inset(3, 1);
    EXPECT_EQ(rect, RealRect(13, 11, 17, 13));
    rect.Inset(3, 3);
    EXPECT_EQ(rect, RealRect(14, 10, 16, 14));
}

} // namespace
