#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Conversions of catalogue attribute values.

// The most bytes of UTF-8 that a value keeps; longer values are cut at a character boundary.
inline constexpr std::size_t MaxValueLength = 255;

// `text` (UTF-16, as the XML library holds it) as UTF-8, cut at the last whole character that fits
// in `limit` bytes. Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text, std::size_t limit = std::string::npos);

// A 16-bit decimal integer read as the "%hd" conversion of sscanf reads it: leading white space,
// an optional sign, digits up to the first other character. 0 when no digit can be read; values
// beyond the 16-bit range are held at its ends.
std::int16_t ParseShort(std::string_view text);
// The same for UTF-16 text, which reads as its UTF-8 form would: only ASCII characters take part.
std::int16_t ParseShort(std::u16string_view text);

// A decimal fraction read as the "%f" conversion of sscanf reads it, whatever the process locale:
// "." is the decimal point. 0 when no number can be read or it lies beyond the float range.
float ParseFraction(std::string_view text);

// True exactly for "true" in any letter case.
bool ParseFlag(std::string_view text);
bool ParseFlag(std::u16string_view text);
