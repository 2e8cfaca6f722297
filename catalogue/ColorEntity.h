#pragma once

#include "catalogue/ColourMath.h"
#include "catalogue/RgbaColour.h"
#include "host/FileLocation.h"
#include "host/Image.h"
#include "host/UniString.h"

#include <cstdint>
#include <memory>
#include <vector>

class TextureCache;

// One colour of one paint product on one surface. The identity of a colour is the identity of
// its record. Records do not change after construction, except for the alpha byte of `colour`,
// which the chips and the export set to the colour amount before painting over the texture.
class ColorEntity {
public:
    // A channel triple with a -1 in it means "no such colour"; other values keep their low 8 bits.
    // The texture file is read and decoded here; with `textures` given, through that cache, so
    // that records naming one file share its bytes and image.
    ColorEntity(host::UniString mode, host::UniString surface, host::UniString name,
                host::UniString description, host::UniString structure, host::UniString colourName,
                std::int16_t red, std::int16_t green, std::int16_t blue, host::FileLocation texture,
                bool wheel, host::UniString remarks, std::int16_t auxiliaryRed, std::int16_t auxiliaryGreen,
                std::int16_t auxiliaryBlue, bool auxiliaryColourTable, bool mixed,
                TextureCache* textures = nullptr);
    virtual ~ColorEntity() = default;
    ColorEntity(const ColorEntity&) = delete;
    ColorEntity& operator=(const ColorEntity&) = delete;

    // "Tarnova <name> <structure>" followed by " <colourName>", or without a colour name by the
    // solid colour's channels as " RGB" digits run together, or by nothing.
    host::UniString GetFullName() const;
    // The part of the full name after "Tarnova <name> <structure>"; texture files end in it too.
    host::UniString GetNameTail() const;

    host::UniString mode;
    host::UniString surface;
    host::UniString name;
    host::UniString description;
    host::UniString structure;
    host::UniString colourName;
    bool hasColour = false;
    RgbaColour colour;
    bool wheel = false;
    host::FileLocation texture;
    // Declared before the image so that the image goes first.
    std::shared_ptr<const std::vector<std::uint8_t>> textureData;
    std::shared_ptr<const host::Image> textureImage;
    host::UniString remarks;
    bool hasAuxiliaryColour = false;
    RgbaColour auxiliaryColour;
    bool auxiliaryColourTable = false;
    bool mixed = false;
    // Neither a solid colour nor a texture image.
    bool blank = false;
    // CIE Lab of the solid colour, computed once: the searches compare it with every pick.
    ColourVector lab;
};

// The product label, the third navigation level: `name`, one space, `structure`.
host::UniString GetProductLabel(const ColorEntity& colour);
// Whether GetProductLabel(colour) equals `product`, without building the label.
bool HasProductLabel(const ColorEntity& colour, const host::UniString& product);
