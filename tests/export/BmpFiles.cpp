#include "BmpFiles.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

BmpFile ReadBmpFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    BmpFile file;
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
        return file;
    }
    file.bitsPerPixel = bytes[28] | bytes[29] << 8;
    int channels = 0;
    const std::unique_ptr<unsigned char, void (*)(void*)> pixels(
        stbi_load_from_memory(bytes.data(), int(bytes.size()), &file.width, &file.height, &channels, 3),
        &stbi_image_free);
    if (pixels == nullptr) {
        return file;
    }
    file.rgb.assign(pixels.get(), pixels.get() + std::size_t(file.width) * file.height * 3);
    file.read = true;
    return file;
}

std::vector<std::string> ListFiles(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::u8string relative = std::filesystem::relative(entry.path(), folder).generic_u8string();
        files.emplace_back(relative.begin(), relative.end());
    }
    std::sort(files.begin(), files.end());
    return files;
}

BmpFile ReadBmpFile(const std::string& utf8Path) {
    return ReadBmpFile(testsupport::Utf8Path(utf8Path));
}

BmpPixel PatternPixel(int column, int row) {
    return {std::uint8_t(7 + row), std::uint8_t(row * 100), std::uint8_t(column * 50), 0};
}

BmpImage PatternImage(int width, int height) {
    BmpImage bmp;
    EXPECT_TRUE(bmp.SetSize(width, height));
    EXPECT_TRUE(bmp.SetBitDepth(24));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            bmp.SetPixel(column, row, PatternPixel(column, row));
        }
    }
    return bmp;
}

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
