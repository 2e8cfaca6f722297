#include "host/CharacterCase.h"

#include <windows.h>

namespace host {

char32_t LowerCaseOf(char32_t code) {
    // Windows lowers a character of the Basic Multilingual Plane on its own; others stay.
    if (code > 0xFFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return code;
    }
    WCHAR character = WCHAR(code);
    CharLowerBuffW(&character, 1);
    return char32_t(character);
}

} // namespace host
