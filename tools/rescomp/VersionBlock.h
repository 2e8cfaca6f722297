#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The contents of a Windows version block: fixed file information and one Hungarian string table.
struct VersionInfo {
    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    std::vector<std::pair<std::string, std::string>> strings; // name and value, UTF-8
};

// The VS_VERSIONINFO bytes: fixed file information of a library, a StringFileInfo with the
// strings in UTF-16 and a VarFileInfo naming the translation. Throws std::invalid_argument for
// text that is not UTF-8.
std::vector<std::uint8_t> EncodeVersionBlock(const VersionInfo& info);
