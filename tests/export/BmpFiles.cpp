#include "BmpFiles.h"

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

std::vector<std::filesystem::path> ListFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        files.push_back(std::filesystem::relative(entry.path(), folder));
    }
    std::sort(files.begin(), files.end());
    return files;
}
