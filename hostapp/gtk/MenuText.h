#pragma once

#include <string>
#include <string_view>

// A menu text whose "&" marks the mnemonic ("&&" a plain "&") in the toolkit's own notation, where
// "_" marks it: "&Tarnova" becomes "_Tarnova", "a_b" becomes "a__b".
std::string ToToolkitMnemonic(std::string_view text);
