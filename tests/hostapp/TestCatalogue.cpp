#include "TestCatalogue.h"

#include "HostRun.h"

#include "support/CatalogueXml.h"
#include "support/ImageFiles.h"

#include <cstring>

using testsupport::CatalogueColour;

namespace {

testsupport::XmlAttributes Named(testsupport::XmlAttributes colour, const std::string& colourName, int red,
                                 int green, int blue) {
    return colour.Set("colourName", colourName)
        .Set("red", std::to_string(red))
        .Set("green", std::to_string(green))
        .Set("blue", std::to_string(blue));
}

template <typename Value> Value ReadLittleEndian(const std::string& bytes, std::size_t offset) {
    Value value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

} // namespace

std::string SmallCatalogue(const testsupport::TempFolder& folder, const std::string& webLink) {
    folder.Write("textures/plaster.jpg", testsupport::MakeJpeg(32, 24, host::Colour{200, 190, 170, 255, 0}));
    const auto paint = CatalogueColour("Homlokzat", "Vakolat", "Festék", "matt").Set("wheel", "true");
    const auto plaster =
        CatalogueColour("Homlokzat", "Vakolat", "Vakolat", "kapart").Set("texture", "textures/plaster.jpg");
    const auto stone = CatalogueColour("Homlokzat", "Kő", "Kő", "bevonat")
                           .Set("colourName", "Gránit")
                           .Set("red", "-1")
                           .Set("green", "-1")
                           .Set("blue", "-1")
                           .Set("texture", "textures/plaster.jpg");
    return testsupport::CatalogueDocument(
        {Named(paint, "Fehér", 250, 250, 250), Named(paint, "Szürke", 128, 128, 128),
         Named(paint, "Fekete", 10, 10, 10), Named(plaster, "Homok", 200, 180, 140),
         Named(plaster, "Barack", 240, 190, 160), stone},
        {}, {testsupport::Setting("weblink", webLink)});
}

std::optional<BmpInfo> ReadBmpInfo(const std::filesystem::path& path) {
    const std::string bytes = ReadFile(path);
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) {
        return std::nullopt;
    }
    return BmpInfo{ReadLittleEndian<std::int32_t>(bytes, 18), ReadLittleEndian<std::int32_t>(bytes, 22),
                   ReadLittleEndian<std::uint16_t>(bytes, 28)};
}

std::optional<std::pair<std::uint32_t, std::uint32_t>> ReadPngSize(const std::filesystem::path& path) {
    const std::string bytes = ReadFile(path);
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0) {
        return std::nullopt;
    }
    const auto bigEndian = [&](std::size_t offset) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
        }
        return value;
    };
    return std::make_pair(bigEndian(16), bigEndian(20));
}
