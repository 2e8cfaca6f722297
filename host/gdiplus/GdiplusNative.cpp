#include "host/gdiplus/GdiplusNative.h"

namespace host {

void StartGdiplus() {
    static const bool started = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    (void)started;
}

std::unique_ptr<Gdiplus::Bitmap> LendPixels(int width, int height, int stride, const std::uint8_t* pixels) {
    if (width <= 0 || height <= 0 || pixels == nullptr) {
        return nullptr;
    }
    StartGdiplus();
    // GDI+ only reads a bitmap it draws from, so a constant image's pixels may be lent as well.
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, stride, PixelFormat32bppPARGB,
                                                    const_cast<BYTE*>(pixels));
    return bitmap->GetLastStatus() == Gdiplus::Ok ? std::move(bitmap) : nullptr;
}

std::unique_ptr<NativeDrawContext> NativeContextOver(Bitmap& bitmap) {
    auto native = std::make_unique<NativeDrawContext>();
    native->surface = LendPixels(bitmap.GetWidth(), bitmap.GetHeight(), bitmap.GetStride(), bitmap.GetPixels());
    if (native->surface) {
        native->graphics = std::make_unique<Gdiplus::Graphics>(native->surface.get());
        native->memory = PixelTarget{bitmap.GetPixels(), bitmap.GetWidth(), bitmap.GetHeight(), bitmap.GetStride(),
                                     0, 0, bitmap.GetWidth(), bitmap.GetHeight()};
    }
    return native;
}

} // namespace host
