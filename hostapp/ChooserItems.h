#pragma once

#include <cstdint>

// The colour chooser's items as a person at the host meets them: template items by id, drawn items
// by the names they carry for readers.
namespace chooser {

inline constexpr std::int16_t CloseButton = 1;
inline constexpr std::int16_t ModePopUp = 4;
inline constexpr std::int16_t SurfacePopUp = 5;
inline constexpr std::int16_t ProductPopUp = 6;
inline constexpr std::int16_t ChipsCheck = 7;
inline constexpr std::int16_t PickerCheck = 8;
inline constexpr std::int16_t RgbText = 9;
inline constexpr std::int16_t SelectedText = 10;
inline constexpr std::int16_t AddButton = 12;
inline constexpr std::int16_t RemoveButton = 13;
inline constexpr std::int16_t ExportButton = 15;
inline constexpr std::int16_t WebLinkButton = 17;

inline constexpr const char* ChipArray = "chipArray";
inline constexpr const char* CurrentChip = "currentChip";
inline constexpr const char* Picker = "picker";
inline constexpr const char* MixedChip = "mixedChip";
inline constexpr const char* SlotPrefix = "slot";       // slot0 to slot4
inline constexpr const char* NearestPrefix = "nearest"; // nearest0 to nearest2
inline constexpr int SlotCount = 5;
inline constexpr int NearestCount = 3;

} // namespace chooser
