#pragma once

#include "tools/catgen/TextureSynthesis.h"

#include <filesystem>
#include <string>

class CatalogueDocument;

// The folder a catalogue is written into: colours.xml and the texture images it names. Failures
// throw std::runtime_error naming the file.
class CatalogueFolder {
public:
    // Creates the folder when it is missing.
    explicit CatalogueFolder(std::filesystem::path root);

    // Writes a JPEG texture at `relativePath` ('/'-separated, below the folder) and returns the
    // mean colour of its pixels.
    Rgb WriteTexture(const std::string& relativePath, const TextureRecipe& recipe, int size) const;

    void WriteCatalogue(const CatalogueDocument& document) const;

private:
    void WriteFile(const std::filesystem::path& file, const void* bytes, std::size_t length) const;

    std::filesystem::path root;
};
