#include "tools/catgen/CatalogueFolder.h"

#include "tools/catgen/CatalogueDocument.h"
#include "tools/catgen/JpegEncoding.h"

#include <fstream>
#include <stdexcept>

CatalogueFolder::CatalogueFolder(std::filesystem::path root) : root(std::move(root)) {
    std::filesystem::create_directories(this->root);
}

Rgb CatalogueFolder::WriteTexture(const std::string& relativePath, const TextureRecipe& recipe,
                                  int size) const {
    const std::vector<std::uint8_t> pixels = SynthesiseTexture(recipe, size);
    const std::vector<std::uint8_t> jpeg = EncodeJpeg(pixels, size);
    const std::filesystem::path file = root / std::filesystem::path(relativePath);
    if (jpeg.empty())
        throw std::runtime_error("cannot encode texture " + file.string());
    std::filesystem::create_directories(file.parent_path());
    WriteFile(file, jpeg.data(), jpeg.size());
    return MeanColour(pixels);
}

void CatalogueFolder::WriteCatalogue(const CatalogueDocument& document) const {
    const std::string xml = document.ToXml();
    WriteFile(root / "colours.xml", xml.data(), xml.size());
}

void CatalogueFolder::WriteFile(const std::filesystem::path& file, const void* bytes,
                                std::size_t length) const {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(length));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}
