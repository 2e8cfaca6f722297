#include "support/PlatformLibrary.h"

#include "host/Bitmap.h"
#include "host/BitmapDevice.h"

#include <cstring>

namespace testsupport {

const void* AddressInsidePlatformLibrary() {
    host::Bitmap bitmap(1, 1);
    host::BitmapDevice device(bitmap);
    const auto context = device.ObtainContext({});
    const void* table = nullptr;
    std::memcpy(&table, context.get(), sizeof table);
    return table;
}

} // namespace testsupport
