#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace fuzzing {

// The process's data folder below the system's temporary folder, made on first use and removed
// at exit. It holds a copy of tests/fuzz/textures in its folder "textures", which the catalogues
// of the fuzz inputs name.
const std::filesystem::path& GetDataFolder();

// Writes `bytes` as the file `name` of the data folder, replacing what stood there.
void WriteDataFile(std::string_view name, const std::uint8_t* bytes, std::size_t size);

} // namespace fuzzing
