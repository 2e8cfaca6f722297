#pragma once

#include <memory>

#include "host/DrawContext.h"

namespace host {

class Bitmap;

// A drawing device that draws into a bitmap. The bitmap must outlive the device and its contexts.
class BitmapDevice {
public:
    explicit BitmapDevice(Bitmap& bitmap) : bitmap(bitmap) {}

    std::unique_ptr<DrawContext> ObtainContext(const ContextAttributes& attributes);

private:
    Bitmap& bitmap;
};

} // namespace host
