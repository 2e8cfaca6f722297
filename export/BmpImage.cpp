#include "export/BmpImage.h"

#include "host/File.h"
#include "host/FileLocation.h"
#include "host/Image.h"
#include "host/MemoryHandle.h"

#include <climits>
#include <cstdio>
#include <new>
#include <optional>
#include <random>
#include <string>

namespace {

constexpr std::int64_t HeaderBytes = 14 + 40;

void Warn(const char* what, std::string_view path = {}) {
    const std::string where = path.empty() ? std::string() : ": " + std::string(path);
    std::printf("BMP warning: %s%s\n", what, where.c_str());
    std::fflush(stdout);
}

// A location beside `target` at which nothing stands yet, not even a link.
std::optional<host::FileLocation> UnusedSibling(const host::FileLocation& target) {
    static std::mt19937 numbers{std::random_device{}()};
    host::FileLocation folder = target;
    if (folder.RemoveLastName() != host::NoError) {
        return std::nullopt;
    }
    for (int attempt = 0; attempt < 16; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".bmp-%08x.tmp", unsigned(numbers()));
        host::FileLocation sibling = folder;
        if (sibling.AppendName(name) == host::NoError && !host::IsTaken(sibling)) {
            return sibling;
        }
    }
    return std::nullopt;
}

} // namespace

bool BmpImage::SetSize(int newWidth, int newHeight) {
    const std::int64_t rowBytes = (std::int64_t(newWidth) * 3 + 3) / 4 * 4;
    if (newWidth < 1 || newHeight < 1 || HeaderBytes + rowBytes * newHeight > INT_MAX) {
        Warn("unsupported image size");
        return false;
    }
    try {
        pixels.assign(std::size_t(newWidth) * std::size_t(newHeight) * 3, 0);
    } catch (const std::bad_alloc&) {
        throw host::OutOfMemory();
    }
    width = newWidth;
    height = newHeight;
    return true;
}

bool BmpImage::SetBitDepth(int bits) {
    if (bits != 24) {
        Warn("only 24 bits a pixel are supported");
        return false;
    }
    return true;
}

bool BmpImage::WriteToFile(std::string_view path) const {
    if (width == 0) {
        Warn("no image size set", path);
        return false;
    }
    const host::FileLocation target{path};
    const std::optional<host::FileLocation> partial = UnusedSibling(target);
    if (!partial) {
        Warn("cannot make a file beside", path);
        return false;
    }
    host::File file(*partial);
    if (file.OpenForWriting(true) != host::NoError) {
        Warn("cannot create a file beside", path);
        return false;
    }
    const bool encoded = host::EncodeBmp24(width, height, pixels.data(), [&](const void* bytes, std::size_t length) {
        return file.Write(bytes, length) == host::NoError;
    });
    const bool closed = file.Close() == host::NoError;
    if (encoded && closed && host::PutFileInPlace(*partial, target) == host::NoError) {
        return true;
    }
    host::RemoveFile(*partial);
    Warn("cannot write", path);
    return false;
}
