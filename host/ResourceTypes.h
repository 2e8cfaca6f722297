#pragma once

#include "host/Resources.h"

namespace host {

// Resource types of the platform's resource modules and the byte form of each. Numbers are
// little-endian; texts are 8-bit, Central European code page.
// A string list: see GetResourceString.
inline constexpr std::uint32_t StringListResource = ResourceType("STRS");
// A number list: a 32-bit count, then that many 32-bit numbers.
inline constexpr std::uint32_t NumberListResource = ResourceType("MNUM");
// The identification record read by the host: two 32-bit numbers.
inline constexpr std::uint32_t IdentificationResource = ResourceType("MDID");
// A Windows version block (VS_VERSIONINFO).
inline constexpr std::uint32_t VersionResource = ResourceType("VERS");
// A dialog template: see DialogTemplate::Serialize.
inline constexpr std::uint32_t DialogTemplateResource = ResourceType("DLOG");
// An item-name table: the dialog's name ending in NUL, a 16-bit count, then for each entry a
// 16-bit item id and the item's name ending in NUL.
inline constexpr std::uint32_t ItemNameTableResource = ResourceType("DNAM");
// A bitmap: a whole BMP file.
inline constexpr std::uint32_t BitmapResource = ResourceType("BMAP");
// An icon group: a whole .ico file.
inline constexpr std::uint32_t IconGroupResource = ResourceType("ICON");
// Raw bytes.
inline constexpr std::uint32_t DataResource = ResourceType("DATA");

} // namespace host
