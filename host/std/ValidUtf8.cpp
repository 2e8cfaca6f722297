#include "host/std/ValidUtf8.h"

#include "host/std/Utf8Decoding.h"

namespace host {

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        char32_t c = 0;
        if (DecodeUtf8(text, pos, c)) {
            valid.append(text.substr(start, pos - start));
        } else {
            valid += "\xEF\xBF\xBD"; // U+FFFD for each byte that belongs to no character
        }
    }
    return valid;
}

} // namespace host
