#pragma once

// The host's material record as the export fills it for CreateAttribute: a 968-byte attribute
// record whose last 568 bytes describe the material's texture. Little-endian, 64-bit; every byte
// not named here is zero. The host application reads records back through the same layout.

#include "host/AddOnInterface.h"

#include <bit>
#include <cstddef>
#include <cstdint>

namespace host {
class FileLocation;
}

inline constexpr std::int32_t MaterialKind = 6;
inline constexpr std::int32_t TextureSwitchNone = 1;
inline constexpr std::int32_t TextureSwitchFile = 2;
inline constexpr std::uint16_t TextureStatus = 0x11A1;
// The name field runs from byte 8 up to the texture switch and always ends with a NUL.
inline constexpr std::size_t MaterialNameCapacity = 292;

struct MaterialTexture {
    std::uint16_t status;
    std::byte reserved1[6];
    double factors[2];
    std::byte reserved2[528];
    // The texture file; owned by the add-on and valid only during CreateAttribute.
    host::FileLocation* location;
    std::byte reserved3[8];
};

struct MaterialRecord {
    std::int32_t kind;
    std::byte reserved1[4];
    // In the system's default code page.
    char name[MaterialNameCapacity];
    std::int32_t textureSwitch;
    std::int16_t settings[5]; // 90, 90, 15, 0, 60
    std::byte reserved2[6];
    // The surface colour's red, green and blue as fractions of 255.
    double surfaceColour[3];
    double factors[3];
    std::byte reserved3[32];
    MaterialTexture texture;
};

static_assert(std::endian::native == std::endian::little);
static_assert(sizeof(MaterialTexture) == 568);
static_assert(offsetof(MaterialTexture, factors) == 8);
static_assert(offsetof(MaterialTexture, location) == 552);
static_assert(sizeof(MaterialRecord) == host::addon::AttributeRecordSize);
static_assert(offsetof(MaterialRecord, name) == 8);
static_assert(offsetof(MaterialRecord, textureSwitch) == 300);
static_assert(offsetof(MaterialRecord, settings) == 304);
static_assert(offsetof(MaterialRecord, surfaceColour) == 320);
static_assert(offsetof(MaterialRecord, factors) == 344);
static_assert(offsetof(MaterialRecord, texture) == 400);
