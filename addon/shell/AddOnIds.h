#pragma once

#include <cstdint>

// Resource ids of the add-on that the shell names.
inline constexpr std::int32_t DescriptionStringsId = 32000; // 1: name, 2: description
inline constexpr std::int16_t MenuStringsId = 32500;        // the menu texts; also the command's id
inline constexpr std::int16_t PromptStringsId = 32520;      // the menu prompts
inline constexpr std::int16_t ChooserDialogId = 31600;

// The answer of DescribeAddOn that the host expects from an add-on of this kind.
inline constexpr std::int32_t DescribeAddOnAnswer = 2;
