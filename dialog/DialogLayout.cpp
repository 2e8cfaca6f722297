#include "dialog/DialogLayout.h"

#include <cstdint>

namespace dialoglayout {

namespace {
std::int16_t I16(int value) {
    return static_cast<std::int16_t>(value);
}
} // namespace

host::Rect ChipArray(const host::Rect& listSeparator, const host::Rect& chipsCheck,
                     const host::Rect& rgbText) {
    return {I16(listSeparator.GetLeft() + 3), I16(chipsCheck.GetBottom() + 5),
            I16(listSeparator.GetRight() - 3), I16(rgbText.GetTop() - 5)};
}

host::Rect CurrentChip(const host::Rect& chipArray, const host::Rect& rgbText,
                       const host::Rect& listSeparator) {
    return {chipArray.GetLeft(), I16(rgbText.GetBottom() + 5), chipArray.GetRight(),
            I16(listSeparator.GetTop() - 5)};
}

std::array<host::Rect, ChosenChipCount> ChosenChips(const host::Rect& chipArray, const host::Rect& addButton,
                                                    const host::Rect& removeButton) {
    const host::Rect strip{chipArray.GetLeft(), I16(addButton.GetBottom() + 5), chipArray.GetRight(),
                           I16(removeButton.GetTop() - 5)};
    const std::int16_t width = I16((strip.GetWidth() - 40) / 5);
    std::array<host::Rect, ChosenChipCount> chips;
    for (std::size_t i = 0; i < ChosenChipCount; ++i) {
        const std::int16_t left = I16(strip.GetLeft() + static_cast<int>(i) * (width + 10));
        chips[i] = {left, strip.GetTop(), I16(left + width), strip.GetBottom()};
    }
    chips.back().SetRight(strip.GetRight());
    return chips;
}

host::Rect Picker(const host::Rect& chipArray, const host::Rect& listSeparator) {
    host::Rect picker = chipArray;
    picker.SetRight(I16(listSeparator.GetRight() - 100));
    return picker;
}

host::Rect MixedChip(const host::Rect& chipArray, const host::Rect& picker, const host::Rect& spectrum) {
    host::Rect chip = chipArray;
    chip.SetLeft(I16(picker.GetRight() + 3));
    chip.Offset(0, I16((chipArray.GetHeight() - spectrum.GetHeight()) / 2));
    chip.SetHeight(spectrum.GetHeight());
    chip.SetRight(I16(chipArray.GetRight() - (spectrum.GetLeft() - chipArray.GetLeft())));
    return chip;
}

std::array<host::Rect, NearestChipCount> NearestChips(const host::Rect& mixedChip) {
    const std::int16_t height = I16((mixedChip.GetHeight() - 20) / 3);
    std::array<host::Rect, NearestChipCount> chips;
    for (std::size_t i = 0; i < NearestChipCount; ++i) {
        const std::int16_t top = I16(mixedChip.GetTop() + static_cast<int>(i) * (height + 10));
        chips[i] = {mixedChip.GetLeft(), top, mixedChip.GetRight(), I16(top + height)};
    }
    return chips;
}

} // namespace dialoglayout
