#pragma once

#include "export/BmpImage.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A BMP file read back: its header's size and bit depth, and its pixels as red, green, blue, rows
// top to bottom. `read` is false when the file is missing or no image.
struct BmpFile {
    bool read = false;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint8_t> rgb;

    const std::uint8_t* At(int column, int row) const {
        return rgb.data() + (std::size_t(row) * width + column) * 3;
    }
};

BmpFile ReadBmpFile(const std::filesystem::path& path);
BmpFile ReadBmpFile(const std::string& utf8Path);

// Every file below `folder`, as UTF-8 paths relative to it with "/" between names, sorted.
std::vector<std::string> ListFiles(const std::filesystem::path& folder);

// The pixel of a test pattern at a column and row, and an image of the pattern.
BmpPixel PatternPixel(int column, int row);
BmpImage PatternImage(int width, int height);

// A file's whole content; empty when it cannot be read.
std::string Contents(const std::filesystem::path& path);
