#include "dialog/WebAddress.h"

#include <algorithm>
#include <cctype>

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char p, char t) { return p == std::tolower(static_cast<unsigned char>(t)); });
}

} // namespace

bool IsOpenableWebAddress(std::string_view address) {
    const bool allowedChars = std::none_of(address.begin(), address.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u <= 0x20 || u == 0x7F;
    });
    if (!allowedChars) {
        return false;
    }
    for (std::string_view scheme : {"http://", "https://"}) {
        if (StartsWithIgnoringCase(address, scheme)) {
            return address.size() > scheme.size() && address[scheme.size()] != '/';
        }
    }
    return StartsWithIgnoringCase(address, "mailto:") && address.size() > 7;
}
