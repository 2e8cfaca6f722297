// Names Windows cannot take as a file's name: a backslash reaches another folder, control
// characters are refused. The colour still becomes a material, without a texture file.

#include "HostileExport.h"

std::vector<NameCase> PlatformNameCases() {
    return {NameCase{"Backslashes", "..\\..\\kiszökött", std::nullopt},
            NameCase{"ControlCharacters", "a\x01\x1F\x7F\tb\nc", std::nullopt}};
}
