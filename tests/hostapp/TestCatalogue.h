#pragma once

#include "support/TempFolder.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// A small catalogue for host runs, with its texture written into `folder`. Mode "Homlokzat",
// surface "Vakolat": product "Festék matt" with three plain wheel colours ("Fehér", "Szürke",
// "Fekete") and product "Vakolat kapart" with two plaster colours washed over a texture; surface
// "Kő": product "Kő bevonat" with one colour that is texture only.
std::string SmallCatalogue(const testsupport::TempFolder& folder,
                           const std::string& webLink = "www.tarnova.example");

struct BmpInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};
// The size and depth a BMP file's header gives; nothing for a file that is no BMP.
std::optional<BmpInfo> ReadBmpInfo(const std::filesystem::path& path);

// The size a PNG file's header gives; nothing for a file that is no PNG.
std::optional<std::pair<std::uint32_t, std::uint32_t>> ReadPngSize(const std::filesystem::path& path);
