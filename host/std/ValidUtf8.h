#pragma once

#include <string>
#include <string_view>

namespace host {

// The text with every byte that belongs to no well-formed UTF-8 character replaced by U+FFFD, so
// that toolkits that insist on UTF-8 take it.
std::string ValidUtf8(std::string_view text);

} // namespace host
