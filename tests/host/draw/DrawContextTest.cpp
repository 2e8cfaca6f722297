#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "host/Bitmap.h"
#include "host/BitmapDevice.h"
#include "host/DrawContext.h"
#include "host/OffscreenContext.h"
#include "host/WindowDevice.h"
#include "tests/host/draw/Pixels.h"

namespace {

using drawtest::Aliased;
using drawtest::At;
using drawtest::FindInk;
using drawtest::Pixel;
using host::Bitmap;
using host::BitmapDevice;
using host::Colour;
using host::Pen;
using host::RealRect;
using host::SolidPattern;

constexpr Colour Black{0, 0, 0, 255};
constexpr Colour Red{255, 0, 0, 255};
constexpr Pixel RedPixel{0, 0, 255, 255};
constexpr Pixel BlackPixel{0, 0, 0, 255};

struct FillCase {
    RealRect rect;
    int left, top, right, bottom; // covered pixels, inclusive
};

class FillTest : public testing::TestWithParam<FillCase> {};

TEST_P(FillTest, CoversExactlyThePixelsInside) {
    const FillCase& c = GetParam();
    Bitmap bitmap(40, 40);
    BitmapDevice(bitmap).ObtainContext(Aliased())->FillRect(c.rect, SolidPattern(Red));
    const drawtest::Ink ink = FindInk(bitmap);
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
                                         // reversed edges are normalised
                                         FillCase{RealRect{12, 20, 2, 10}, 2, 10, 11, 19},
                                         // edges beyond the bitmap are cut
                                         FillCase{RealRect(-1e9, 35, 1e9, 1e9), 0, 35, 39, 39}));

TEST(Fill, TranslucentColourCompositesOverTheImage) {
    const auto image = drawtest::PatternImage(20, 20);
    Bitmap bitmap(20, 20);
    {
        auto context = BitmapDevice(bitmap).ObtainContext(Aliased());
        context->DrawImage(*image, RealRect(0, 0, 20, 20));
        context->FillRect(RealRect(0, 0, 20, 20), SolidPattern(Colour{200, 40, 90, 153}));
    }
    auto over = [](int source, int destination) {
        return source * 153 / 255.0 + destination * (255 - 153) / 255.0;
    };
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

TEST(Fill, TranslucentColourOnEmptyBitmapIsPremultiplied) {
    Bitmap bitmap(2, 2);
    BitmapDevice(bitmap).ObtainContext(Aliased())->FillRect(RealRect(0, 0, 2, 2),
                                                            SolidPattern({200, 100, 0, 128}));
    const Pixel pixel = At(bitmap, 1, 1);
    EXPECT_EQ(pixel.alpha, 128);
    EXPECT_NEAR(pixel.red, 100, 1);
    EXPECT_NEAR(pixel.green, 50, 1);
}

TEST(Frame, OnePixelOutlineLiesOnTheEdgesInclusive) {
    Bitmap bitmap(20, 20);
    BitmapDevice(bitmap).ObtainContext(Aliased())->FrameRect(RealRect(3, 4, 10, 12), Pen{1.0, Red});
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
        BitmapDevice(bitmap).ObtainContext(Aliased())->FrameRect(RealRect(1, 1, 8, 8), Pen{width, Red});
        const drawtest::Ink ink = FindInk(bitmap);
        EXPECT_EQ(ink.count, 4 * 7) << width;
        EXPECT_EQ(ink.left, 1);
        EXPECT_EQ(ink.bottom, 8);
    }
}

TEST(Frame, InsetFramesNestWithoutGaps) {
    // The three-line frame of a selected chip: each outline one pixel inside the previous one.
    Bitmap bitmap(12, 12);
    {
        auto context = BitmapDevice(bitmap).ObtainContext(Aliased());
        RealRect frame(0, 0, 11, 11);
        context->FrameRect(frame, Pen{1.0, Red});
        frame.Inset(1, 1);
        context->FrameRect(frame, Pen{1.0, Black});
        frame.Inset(1, 1);
        context->FrameRect(frame, Pen{1.0, Red});
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(At(bitmap, i, 0), RedPixel);
        EXPECT_EQ(At(bitmap, 11, i), RedPixel);
    }
    for (int i = 1; i < 11; ++i) {
        EXPECT_EQ(At(bitmap, i, 1), BlackPixel);
        EXPECT_EQ(At(bitmap, 10, i), BlackPixel);
    }
    EXPECT_EQ(At(bitmap, 2, 2), RedPixel);
    EXPECT_EQ(At(bitmap, 9, 9), RedPixel);
    EXPECT_TRUE(drawtest::IsBlank(At(bitmap, 3, 3)));
}

struct LineCase {
    int x1, y1, x2, y2;
    std::vector<std::pair<int, int>> pixels; // exactly the pixels covered
};

class LineTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineTest, CoversBothEndsAndThePixelsBetween) {
    const LineCase& c = GetParam();
    Bitmap bitmap(16, 16);
    BitmapDevice(bitmap).ObtainContext(Aliased())->DrawLine(c.x1, c.y1, c.x2, c.y2);
    std::vector<std::pair<int, int>> covered;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (!drawtest::IsBlank(At(bitmap, x, y))) {
                EXPECT_EQ(At(bitmap, x, y), BlackPixel) << "the default pen is opaque black";
                covered.emplace_back(x, y);
            }
        }
    }
    EXPECT_EQ(covered, c.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineTest,
    testing::Values(LineCase{2, 5, 6, 5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}}},
                    LineCase{6, 5, 2, 5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}}},
                    LineCase{4, 1, 4, 3, {{4, 1}, {4, 2}, {4, 3}}}, LineCase{7, 7, 7, 7, {{7, 7}}},
                    // a ">" arm: (lx - 5, y - 5) to (lx, y)
                    LineCase{5, 2, 10, 7, {{5, 2}, {6, 3}, {7, 4}, {8, 5}, {9, 6}, {10, 7}}}));

TEST(Line, UsesTheCurrentPenUntilAnotherIsSet) {
    Bitmap bitmap(10, 10);
    {
        auto context = BitmapDevice(bitmap).ObtainContext(Aliased());
        context->SetLinePen(Pen{0.0, Red});
        context->DrawLine(0, 0, 9, 0);
        context->FillRect(RealRect(0, 5, 10, 6), SolidPattern(Black));
        context->DrawLine(0, 9, 9, 9);
    }
    EXPECT_EQ(At(bitmap, 9, 0), RedPixel);
    EXPECT_EQ(At(bitmap, 0, 9), RedPixel);
    EXPECT_TRUE(drawtest::IsBlank(At(bitmap, 0, 1)));
}

TEST(Image, CutSourceIsDrawnUnscaled) {
    const auto image = drawtest::PatternImage(8, 8);
    Bitmap bitmap(20, 20);
    BitmapDevice(bitmap).ObtainContext(Aliased())->DrawImage(*image, RealRect(10, 11, 13, 16),
                                                             RealRect(0, 0, 3, 5));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 10 && x < 13 && y >= 11 && y < 16;
            EXPECT_EQ(At(bitmap, x, y), inside ? At(*image, x - 10, y - 11) : Pixel{}) << x << "," << y;
        }
    }
}

TEST(Image, InnerSourcePartLandsAtTheDestination) {
    const auto image = drawtest::PatternImage(8, 8);
    Bitmap bitmap(8, 8);
    BitmapDevice(bitmap).ObtainContext(Aliased())->DrawImage(*image, RealRect(0, 0, 4, 3),
                                                             RealRect(2, 5, 6, 8));
    EXPECT_EQ(At(bitmap, 0, 0), At(*image, 2, 5));
    EXPECT_EQ(At(bitmap, 3, 2), At(*image, 5, 7));
    EXPECT_TRUE(drawtest::IsBlank(At(bitmap, 4, 0)));
}

TEST(Image, WholeImageAtIntegerOffsetsInABiggerTarget) {
    const auto image = drawtest::PatternImage(7, 5);
    for (auto [dx, dy] : {std::pair{0, 0}, std::pair{3, 9}, std::pair{13, 15}}) {
        Bitmap bitmap(20, 20);
        BitmapDevice(bitmap).ObtainContext(Aliased())->DrawImage(*image, RealRect(dx, dy, dx + 7, dy + 5));
        EXPECT_EQ(FindInk(bitmap).count, 35);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 7; ++x) {
                ASSERT_EQ(At(bitmap, dx + x, dy + y), At(*image, x, y)) << dx << "," << dy;
            }
        }
    }
}

TEST(Image, ScaledWithoutAntialiasingTakesTheNearestPixel) {
    const auto image = drawtest::PatternImage(4, 4);
    Bitmap bitmap(8, 8);
    BitmapDevice(bitmap).ObtainContext(Aliased())->DrawImage(*image, RealRect(0, 0, 8, 8));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_EQ(At(bitmap, x, y), At(*image, x / 2, y / 2)) << x << "," << y;
        }
    }
}

TEST(Image, SourceBeyondTheImageDrawsOnlyTheImagePart) {
    const auto image = drawtest::PatternImage(4, 4);
    Bitmap bitmap(10, 10);
    BitmapDevice(bitmap).ObtainContext(Aliased())->DrawImage(*image, RealRect(0, 0, 6, 6),
                                                             RealRect(-2, -2, 4, 4));
    const drawtest::Ink ink = FindInk(bitmap);
    EXPECT_EQ(ink.left, 2);
    EXPECT_EQ(ink.top, 2);
    EXPECT_EQ(ink.right, 5);
    EXPECT_EQ(ink.bottom, 5);
    EXPECT_EQ(At(bitmap, 2, 2), At(*image, 0, 0));
}

TEST(Image, FromBitmapRoundTrips) {
    Bitmap bitmap(9, 6);
    {
        auto context = BitmapDevice(bitmap).ObtainContext(Aliased());
        context->DrawImage(*drawtest::PatternImage(9, 6), RealRect(0, 0, 9, 6));
        context->FillRect(RealRect(2, 2, 5, 4), SolidPattern({10, 20, 30, 100}));
    }
    const auto copy = host::Image::FromBitmap(bitmap);
    ASSERT_EQ(copy->GetWidth(), 9);
    ASSERT_EQ(copy->GetHeight(), 6);
    Bitmap again(9, 6);
    BitmapDevice(again).ObtainContext(Aliased())->DrawImage(*copy, RealRect(0, 0, 9, 6));
    EXPECT_TRUE(std::equal(bitmap.GetPixels(), bitmap.GetPixels() + 9 * 6 * 4, again.GetPixels()));
}

TEST(Image, TranslucentImagePixelsBlendOver) {
    std::vector<std::uint8_t> pixels = {0, 0, 100, 128}; // red 200 at alpha 128, premultiplied
    const host::Image image(1, 1, pixels);
    Bitmap bitmap(1, 1);
    {
        auto context = BitmapDevice(bitmap).ObtainContext(Aliased());
        context->FillRect(RealRect(0, 0, 1, 1), SolidPattern({0, 0, 255, 255}));
        context->DrawImage(image, RealRect(0, 0, 1, 1));
    }
    const Pixel pixel = At(bitmap, 0, 0);
    EXPECT_NEAR(pixel.red, 100, 1);
    EXPECT_NEAR(pixel.blue, 127, 1);
    EXPECT_EQ(pixel.alpha, 255);
}

TEST(Bitmap, SizesOutsideTheLimitsGiveAnEmptyBitmap) {
    EXPECT_EQ(Bitmap(-3, 5).GetWidth(), 0);
    EXPECT_EQ(Bitmap(Bitmap::MaxSide + 1, 1).GetHeight(), 0);
    EXPECT_EQ(Bitmap(Bitmap::MaxSide, Bitmap::MaxSide).GetWidth(), 0);
    Bitmap bitmap(7, 3);
    EXPECT_EQ(bitmap.GetStride(), 28);
    EXPECT_EQ(FindInk(bitmap).count, 0) << "a new bitmap is transparent";
}

TEST(Bitmap, EmptyBitmapsAndBadGeometryDrawNothing) {
    const auto image = drawtest::PatternImage(3, 3);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Bitmap empty(0, 0);
    Bitmap bitmap(5, 5);
    for (Bitmap* target : {&empty, &bitmap}) {
        auto context = BitmapDevice(*target).ObtainContext(Aliased());
        context->FillRect(RealRect{nan, 0, 5, 5}, SolidPattern(Red));
        context->FrameRect(RealRect{0, 0, inf, 5}, Pen{1.0, Red});
        context->DrawLine(0, nan, 4, 4);
        context->DrawImage(*image, RealRect(0, 0, 5, 5), RealRect(1, 1, 1, 3));
        context->DrawImage(*image, RealRect(2, 2, 2, 2));
        context->DrawImage(*image, RealRect(0, 0, 5, 5), RealRect(10, 10, 20, 20));
        context->DrawImage(host::Image(0, 0, {}), RealRect(0, 0, 5, 5));
        context->Flush();
    }
    EXPECT_EQ(FindInk(bitmap).count, 0);
}

TEST(WindowDevice, DrawsInTheNativeContextsOriginAndClip) {
    Bitmap window(40, 30);
    {
        host::OffscreenContext native(window, 10, 5, 20, 10);
        host::WindowDevice device(native.GetNative());
        auto context = device.ObtainContext(Aliased());
        context->FillRect(RealRect(-100, -100, 100, 100), SolidPattern(Red));
        context->DrawLine(0, 0, 0, 0);
    }
    const drawtest::Ink ink = FindInk(window);
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.top, 5);
    EXPECT_EQ(ink.right, 29);
    EXPECT_EQ(ink.bottom, 14);
    EXPECT_EQ(ink.count, 200);
    EXPECT_EQ(At(window, 10, 5), BlackPixel);
}

TEST(WindowDevice, CopiesAnOffscreenBitmapPixelForPixel) {
    // The way a drawn item reaches the screen: drawn off-screen, then copied as an image.
    Bitmap offscreen(12, 8);
    {
        auto context = BitmapDevice(offscreen).ObtainContext(Aliased());
        context->DrawImage(*drawtest::PatternImage(12, 8), RealRect(0, 0, 12, 8));
        context->FrameRect(RealRect(0, 0, 11, 7), Pen{1.0, Red});
    }
    Bitmap window(30, 20);
    {
        host::OffscreenContext native(window, 4, 6, 12, 8);
        host::WindowDevice device(native.GetNative());
        device.ObtainContext(Aliased())->DrawImage(*host::Image::FromBitmap(offscreen),
                                                   RealRect(0, 0, 12, 8));
    }
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            ASSERT_EQ(At(window, x + 4, y + 6), At(offscreen, x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(FindInk(window).count, 96);
}

TEST(WindowDevice, NullNativeContextDrawsNothing) {
    host::WindowDevice device(nullptr);
    auto context = device.ObtainContext(Aliased());
    context->FillRect(RealRect(0, 0, 10, 10), SolidPattern(Red));
    context->DrawLine(0, 0, 5, 5);
    context->Flush();
}

TEST(WindowDevice, EachContextTakesItsOwnAttributes) {
    Bitmap window(10, 10);
    host::OffscreenContext native(window);
    host::WindowDevice device(native.GetNative());
    device.ObtainContext(Aliased())->FillRect(RealRect(0, 0, 2, 2), SolidPattern(Red));
    device.ObtainContext(host::ContextAttributes{})->FillRect(RealRect(4.5, 4, 6, 6), SolidPattern(Red));
    device.ObtainContext(Aliased())->FillRect(RealRect(7.6, 4, 9, 6), SolidPattern(Red));
    EXPECT_NEAR(At(window, 4, 4).alpha, 128, 1) << "half covered with anti-aliasing";
    EXPECT_EQ(At(window, 7, 4).alpha, 0) << "pixel centre outside without";
}

TEST(RealRect, InsetMovesEdgesInwardAndNormalises) {
    RealRect rect(10, 10, 20, 14);
    rect.Inset(3, 1);
    EXPECT_EQ(rect, RealRect(13, 11, 17, 13));
    rect.Inset(3, 3);
    EXPECT_EQ(rect, RealRect(14, 10, 16, 14));
}

} // namespace
