#include "catalogue/ColorEntity.h"

#include "catalogue/ColourLab.h"
#include "catalogue/TextureCache.h"

#include <string_view>

namespace {

// Sets `colour` from a channel triple unless one of them is -1.
bool SetChannels(RgbaColour& colour, std::int16_t red, std::int16_t green, std::int16_t blue) {
    if (red == -1 || green == -1 || blue == -1) {
        return false;
    }
    colour = RgbaColour{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                        static_cast<std::uint8_t>(blue), 255, 0};
    return true;
}

} // namespace

ColorEntity::ColorEntity(const host::UniString& mode, const host::UniString& surface,
                         const host::UniString& name, const host::UniString& description,
                         const host::UniString& structure, const host::UniString& colourName,
                         std::int16_t red, std::int16_t green, std::int16_t blue,
                         const host::FileLocation& texture, bool wheel, const host::UniString& remarks,
                         std::int16_t auxiliaryRed, std::int16_t auxiliaryGreen, std::int16_t auxiliaryBlue,
                         bool auxiliaryColourTable, bool mixed, TextureCache* textures)
    : mode(mode), surface(surface), name(name), description(description), structure(structure),
      colourName(colourName), wheel(wheel), texture(texture), remarks(remarks),
      auxiliaryColourTable(auxiliaryColourTable), mixed(mixed) {
    hasColour = SetChannels(colour, red, green, blue);
    if (hasColour) {
        lab = LabOf(colour);
    }
    hasAuxiliaryColour = SetChannels(auxiliaryColour, auxiliaryRed, auxiliaryGreen, auxiliaryBlue);
    const Texture loaded = textures != nullptr ? textures->Get(texture) : LoadTexture(texture);
    textureData = loaded.data;
    textureImage = loaded.image;
    blank = !hasColour && textureImage == nullptr;
}

host::UniString ColorEntity::GetFullName() const {
    host::UniString fullName =
        host::UniString::Format("Tarnova %s %s", name.ToCString(), structure.ToCString());
    if (!colourName.IsEmpty()) {
        fullName.Append(" ").Append(colourName);
    } else if (hasColour) {
        fullName.Append(host::UniString::Format(" %d%d%d", colour.red, colour.green, colour.blue));
    }
    return fullName;
}

host::UniString GetProductLabel(const ColorEntity& colour) {
    host::UniString label = colour.name;
    return label.Append(" ").Append(colour.structure);
}

bool HasProductLabel(const ColorEntity& colour, const host::UniString& product) {
    const std::string_view label = product.ToStdString();
    const std::string_view name = colour.name.ToStdString();
    const std::string_view structure = colour.structure.ToStdString();
    return label.size() == name.size() + 1 + structure.size() && label.starts_with(name) &&
           label[name.size()] == ' ' && label.ends_with(structure);
}
