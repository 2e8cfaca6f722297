#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What one fuzz input goes through. Each answers the first broken rule it met, or nothing; bad
// memory use, leaks and undefined behaviour are the sanitizers' to report.
namespace fuzzing {

// Makes `bytes` the colours.xml of a data folder that holds a few textures, runs the store's
// loading sequence on it and drives a store over every product loaded, as the dialog would.
// Xerces-C must be initialised.
std::string LoadCatalogue(const std::uint8_t* bytes, std::size_t size);

// Decodes `bytes` as a texture image with either file type, and as the texture file of a colour
// record.
std::string DecodeTexture(const std::uint8_t* bytes, std::size_t size);

} // namespace fuzzing
