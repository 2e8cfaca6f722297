#pragma once

#include <string>
#include <string_view>

namespace host {

// The text with every malformed UTF-8 sequence replaced, as the platform's own text functions
// repair it, so that toolkits that insist on UTF-8 take it.
std::string ValidUtf8(std::string_view text);

} // namespace host
