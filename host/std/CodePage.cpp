#include "host/CodePage.h"

namespace host {

std::size_t CharacterBoundary(std::string_view text, CodePage codePage, std::size_t at) {
    if (at >= text.size()) {
        return text.size();
    }
    if (codePage == CodePage::Utf8) {
        while (at > 0 && (std::uint8_t(text[at]) & 0xC0) == 0x80) {
            --at;
        }
    }
    return at;
}

} // namespace host
