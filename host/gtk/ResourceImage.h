#pragma once

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdint>

namespace host {

// Decodes resource (type, id) of the active resource module as an image file (BMP, ICO, PNG, ...).
// Null when there is no such resource or its bytes are no image. The caller owns the reference.
GdkPixbuf* LoadResourcePixbuf(std::uint32_t type, std::int32_t id);

} // namespace host
