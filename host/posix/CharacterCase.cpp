#include "host/CharacterCase.h"

#include <cwctype>
#include <locale.h>

namespace host {

char32_t LowerCaseOf(char32_t code) {
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
    if (unicode == locale_t(nullptr)) {
        return code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code;
    }
    return char32_t(towlower_l(wint_t(code), unicode));
}

} // namespace host
