#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace host {

// Largest section that is read at all.
inline constexpr std::uint64_t MaxElfSectionSize = 64u * 1024 * 1024;

// The contents of the section called `name` in the little-endian ELF file (32 or 64 bit) at
// `path`, read through the section headers. Nothing when the file cannot be read, is no such ELF
// file, has no such section with contents in the file, or when any offset or size in the headers
// points outside the file.
std::optional<std::vector<std::uint8_t>> ReadElfSection(const char* path, std::string_view name);

} // namespace host
