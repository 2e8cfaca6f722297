#pragma once

#include "host/UniString.h"

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace host {

// A location's UTF-8 path as the standard library's path, which hands it to the system in the
// system's own form (UTF-16 on Windows) whatever the system's code page.
inline std::filesystem::path NativePath(const UniString& utf8) {
    const std::string& text = utf8.ToStdString();
    return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

// Opens the file at a UTF-8 path with an fopen mode; each platform opens in its own way.
std::FILE* OpenNativeFile(const UniString& utf8, const char* mode);

} // namespace host
