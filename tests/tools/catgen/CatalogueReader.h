#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

// A written colours.xml read back with the XML library, values as UTF-8.
struct ReadCatalogue {
    using Attributes = std::map<std::string, std::string>;
    std::vector<Attributes> colours;
    std::vector<Attributes> auxiliaryColours;
    std::vector<std::pair<std::string, std::string>> settings;
};

// Throws when the file is not well-formed or lacks exactly one `colours` and one
// `auxiliaryColours` element.
ReadCatalogue ReadCatalogueFile(const std::filesystem::path& file);

// The file a catalogue's `texture` value names: its pieces between "/" and "\" below `folder`.
std::filesystem::path ResolveTexture(const std::filesystem::path& folder, const std::string& texture);

// The whole content of a file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& file);

// Every file below `folder` with its bytes, keyed by the path relative to it.
std::map<std::string, std::string> ReadTree(const std::filesystem::path& folder);
