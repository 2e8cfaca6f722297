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

std::optional<std::string> WebAddressToOpen(std::string_view link) {
    const bool allowedChars = std::none_of(link.begin(), link.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u <= 0x20 || u == 0x7F;
    });
    if (!allowedChars) {
        return std::nullopt;
    }
    for (std::string_view scheme : {"http://", "https://"}) {
        if (StartsWithIgnoringCase(link, scheme)) {
            if (link.size() > scheme.size() && link[scheme.size()] != '/') {
                return std::string(link);
            }
            return std::nullopt;
        }
    }
    if (StartsWithIgnoringCase(link, "mailto:") && link.size() > 7) {
        return std::string(link);
    }
    // A colon or backslash would let the shell read the rest as a drive, a port with credentials
    // or a path; a plain host name and path has neither.
    if (StartsWithIgnoringCase(link, "www.") && link.size() > 4 &&
        link.find_first_of(":\\") == std::string_view::npos) {
        return "http://" + std::string(link);
    }
    return std::nullopt;
}
