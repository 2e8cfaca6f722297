#include "host/std/ValidUtf8.h"

#include <glib.h>

namespace host {

std::string ValidUtf8(std::string_view text) {
    if (text.empty()) {
        return {}; // an empty view may carry no storage at all
    }
    gchar* valid = g_utf8_make_valid(text.data(), gssize(text.size()));
    std::string result(valid);
    g_free(valid);
    return result;
}

} // namespace host
