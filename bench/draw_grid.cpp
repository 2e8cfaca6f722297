// One redraw of the chip grid: a fresh off-screen bitmap of the grid's size, 60 chips each tiled with
// a texture and washed with a translucent colour, then copied to the window as one image.
#include <algorithm>
#include <cstdint>
#include <vector>

#include <benchmark/benchmark.h>

#include "host/Bitmap.h"
#include "host/BitmapDevice.h"
#include "host/DrawContext.h"
#include "host/Image.h"
#include "host/OffscreenContext.h"
#include "host/WindowDevice.h"

namespace {

constexpr int GridWidth = 346;
constexpr int GridHeight = 202;
constexpr int ChipCount = 60;
constexpr int ChipSize = 30; // the largest that holds 60 chips with 4-pixel gaps in 346 × 202
constexpr int Gap = 4;

host::Image Texture(int side) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(side) * side * 4);
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = static_cast<std::uint8_t>(i * 7);
        pixels[i + 1] = static_cast<std::uint8_t>(i * 13);
        pixels[i + 2] = static_cast<std::uint8_t>(i * 3);
        pixels[i + 3] = 255;
    }
    return host::Image(side, side, std::move(pixels));
}

// Repeats the image from the rectangle's top-left corner, cutting the last column and row.
void DrawTiled(host::DrawContext& context, const host::RealRect& r, const host::Image& image) {
    const double iw = image.GetWidth();
    const double ih = image.GetHeight();
    for (double y = r.top; y < r.bottom; y += ih) {
        for (double x = r.left; x < r.right; x += iw) {
            const double w = std::min(iw, r.right - x);
            const double h = std::min(ih, r.bottom - y);
            context.DrawImage(image, host::RealRect(x, y, x + w, y + h), host::RealRect(0, 0, w, h));
        }
    }
}

void BM_ChipGridRedraw(benchmark::State& state) {
    const host::Image texture = Texture(static_cast<int>(state.range(0)));
    host::Bitmap window(GridWidth + 40, GridHeight + 40);
    host::ContextAttributes attributes;
    attributes.antialiasing = false;
    for (auto _ : state) {
        host::Bitmap bitmap(GridWidth, GridHeight);
        {
            host::BitmapDevice device(bitmap);
            auto context = device.ObtainContext(attributes);
            context->FillRect(host::RealRect(0, 0, GridWidth, GridHeight),
                              host::SolidPattern({236, 233, 216, 255}));
            int x = 0;
            int y = 0;
            for (int i = 0; i < ChipCount; ++i) {
                if (x + ChipSize > GridWidth) {
                    x = 0;
                    y += ChipSize + Gap;
                }
                const host::RealRect chip(x, y, x + ChipSize, y + ChipSize);
                DrawTiled(*context, chip, texture);
                const auto shade = static_cast<std::uint8_t>(i * 4);
                context->FillRect(
                    chip, host::SolidPattern({shade, 120, static_cast<std::uint8_t>(255 - shade), 153}));
                x += ChipSize + Gap;
            }
            context->Flush();
        }
        host::OffscreenContext native(window, 20, 20, GridWidth, GridHeight);
        host::WindowDevice device(native.GetNative());
        auto context = device.ObtainContext(attributes);
        const auto image = host::Image::FromBitmap(bitmap);
        context->DrawImage(*image, host::RealRect(0, 0, GridWidth, GridHeight));
        context->Flush();
        benchmark::DoNotOptimize(window.GetPixels()[(40 * (GridWidth + 40) + 40) * 4]);
    }
}
// Texture side: smaller than a chip (tiled 2 × 2 or 8 × 8) and larger (drawn once, cut).
BENCHMARK(BM_ChipGridRedraw)->Arg(4)->Arg(16)->Arg(128)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
