#pragma once

#include "host/Resources.h"

namespace host {

// Resource types of the platform's resource modules.
inline constexpr std::uint32_t StringListResource = ResourceType("STRS");     // see GetResourceString
inline constexpr std::uint32_t NumberListResource = ResourceType("MNUM");     // count, then int32 values
inline constexpr std::uint32_t IdentificationResource = ResourceType("MDID"); // two 32-bit numbers
inline constexpr std::uint32_t VersionResource = ResourceType("VERS");        // a Windows version block
inline constexpr std::uint32_t DialogTemplateResource = ResourceType("DLOG"); // DialogTemplate::Serialize
inline constexpr std::uint32_t ItemNameTableResource = ResourceType("DNAM");  // dialog and item names
inline constexpr std::uint32_t BitmapResource = ResourceType("BMAP");         // a whole BMP file
inline constexpr std::uint32_t IconGroupResource = ResourceType("ICON");      // a whole .ico file
inline constexpr std::uint32_t DataResource = ResourceType("DATA");           // raw bytes

} // namespace host
