#include "hostapp/gtk/MenuText.h"

std::string ToToolkitMnemonic(std::string_view text) {
    std::string converted;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '_') {
            converted += "__";
        } else if (c != '&') {
            converted += c;
        } else if (i + 1 < text.size() && text[i + 1] == '&') {
            converted += '&';
            ++i;
        } else if (i + 1 < text.size()) {
            converted += '_';
        }
    }
    return converted;
}
