#pragma once

#include "catalogue/TNData.h"
#include "host/Result.h"
#include "support/TempFolder.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

using testsupport::TempFolder;

// One hostile catalogue: what its data folder holds, and what loading it must give.
struct CatalogueCase {
    const char* name;
    std::function<void(const TempFolder&)> make; // writes colours.xml and what it names
    host::Result result;
    std::size_t colours; // in the catalogue afterwards
    std::function<void(const TNData&)> check = {};
};

// `absolute` reached from the catalogue's folder by climbing far above the root.
std::string Climbing(const std::string& absolute);
// Every colour of the loaded catalogue lacks a texture.
void ExpectNoTextures(const TNData& store);

// The cases only the platform can make: devices and pipes where there are such.
std::vector<CatalogueCase> PlatformCatalogueCases();
