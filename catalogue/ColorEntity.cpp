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

ColorEntity::ColorEntity(host::UniString mode, host::UniString surface, host::UniString name,
                         host::UniString description, host::UniString structure, host::UniString colourName,
                         std::int16_t red, std::int16_t green, std::int16_t blue, host::FileLocation texture,
                         bool wheel, host::UniString remarks, std::int16_t auxiliaryRed,
                         std::int16_t auxiliaryGreen, std::int16_t auxiliaryBlue, bool auxiliaryColourTable,
                         bool mixed, TextureCache* textures)
    : mode(std::move(mode)), surface(std::move(surface)), name(std::move(name)),
      description(std::move(description)), structure(std::move(structure)), colourName(std::move(colourName)),
      wheel(wheel), texture(std::move(texture)), remarks(std::move(remarks)),
      auxiliaryColourTable(auxiliaryColourTable), mixed(mixed) {
    hasColour = SetChannels(colour, red, green, blue);
    if (hasColour) {
        lab = LabOf(colour);
    }
    hasAuxiliaryColour = SetChannels(auxiliaryColour, auxiliaryRed, auxiliaryGreen, auxiliaryBlue);
    const Texture loaded = textures != nullptr ? textures->Get(this->texture) : LoadTexture(this->texture);
    textureData = loaded.data;
    textureImage = loaded.image;
    blank = !hasColour && textureImage == nullptr;
}

host::UniString ColorEntity::GetFullName() const {
    return host::UniString::Format("Tarnova %s %s", name.ToCString(), structure.ToCString())
        .Append(GetNameTail());
}

host::UniString ColorEntity::GetNameTail() const {
    if (!colourName.IsEmpty()) {
        return host::UniString(" ").Append(colourName);
    }
    if (hasColour) {
        return host::UniString::Format(" %d%d%d", colour.red, colour.green, colour.blue);
    }
    return {};
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
