#pragma once

#include "host/Rect.h"

#include <array>
#include <cstddef>

// Where the dialog's drawn items go, worked out from the template items around them. All
// arithmetic is 16-bit, divisions truncate.
namespace dialoglayout {

inline constexpr std::size_t ChosenChipCount = 5;
inline constexpr std::size_t NearestChipCount = 3;

// The band between the push-checks and the two texts, inside the separator's width.
host::Rect ChipArray(const host::Rect& listSeparator, const host::Rect& chipsCheck,
                     const host::Rect& rgbText);
// The band between the texts and the separator.
host::Rect CurrentChip(const host::Rect& chipArray, const host::Rect& rgbText,
                       const host::Rect& listSeparator);
// Five chips with 10-pixel gaps between the add and remove buttons; the last one ends at the
// band's right edge.
std::array<host::Rect, ChosenChipCount> ChosenChips(const host::Rect& chipArray, const host::Rect& addButton,
                                                    const host::Rect& removeButton);
// The chip band, leaving room at the right for the proposal chips.
host::Rect Picker(const host::Rect& chipArray, const host::Rect& listSeparator);
// Right of the picker, as tall as its spectrum (`spectrum` in the picker's own coordinates) and
// centred in the chip band.
host::Rect MixedChip(const host::Rect& chipArray, const host::Rect& picker, const host::Rect& spectrum);
// Three chips stacked in the mixed chip's place with 10-pixel gaps.
std::array<host::Rect, NearestChipCount> NearestChips(const host::Rect& mixedChip);

} // namespace dialoglayout
