#pragma once

#include "host/FileLocation.h"
#include "host/Result.h"

#include <cstddef>
#include <string_view>

// The path of the add-on library file, recorded when the library is attached. The data folder
// is the folder that holds it.
inline constexpr std::size_t ModulePathCapacity = 260;
extern char modulePath[ModulePathCapacity];

// Records the path of the library that holds `instance` (an address inside it).
void ComputeModulePath(const void* instance);
// Records a known path in its place, cut to the capacity.
void SetModulePath(std::string_view path);

// The location of the add-on library; AddOnErrBadLocation, with `location` cleared, when the
// recorded path is no valid location.
host::Result GetOwnLocation(host::FileLocation& location);

// The data folder's "Tarnova anyagok", where the export writes textures; empty before loading.
extern host::FileLocation textureLibraryFolder;
