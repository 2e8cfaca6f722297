#pragma once

#include "host/Resources.h"

namespace host {

// Registers the resources of the ELF file at `path`, which the resource compiler put into its
// ".tnres" section. NoResourceModule for a file without readable resources.
ResourceModule RegisterResourceFile(const char* path);

} // namespace host
