#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

struct BmpPixel {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t alpha = 0;
};

// An uncompressed 24-bit BMP image built pixel by pixel and written to a file, in the manner of
// EasyBMP, which Debian does not package: the platform encodes the file, on stb_image_write. Columns count from
// the left and rows from the top. Failures print a warning to standard output and leave the
// image, and any file at the path, as they were.
class BmpImage {
public:
    // Widths and heights whose file would not stay below 2 GiB are refused.
    bool SetSize(int width, int height);
    // Only 24 bits a pixel are written.
    bool SetBitDepth(int bits);

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

    // Alpha is dropped; pixels outside the image are ignored.
    void SetPixel(int column, int row, const BmpPixel& pixel) {
        if (column < 0 || row < 0 || column >= width || row >= height) {
            return;
        }
        std::uint8_t* rgb = pixels.data() + (std::size_t(row) * std::size_t(width) + std::size_t(column)) * 3;
        rgb[0] = pixel.red;
        rgb[1] = pixel.green;
        rgb[2] = pixel.blue;
    }

    // Writes the file at `path` (a path of the file library, in UTF-8) in one piece: the bytes go to a new file beside
    // it, which then replaces whatever stood at the path. A failure leaves the path untouched.
    bool WriteToFile(std::string_view path) const;

private:
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // red, green, blue, rows top to bottom
};
