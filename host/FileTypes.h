#pragma once

#include <cstdint>
#include <string_view>

namespace host {

// The file library's identifier of the file type with MIME type `mimeType` (compared without
// regard to case): a positive number, the same for every MIME type of one file type, or a
// negative one when the type is unknown.
std::int32_t LookUpFileType(std::string_view mimeType);

} // namespace host
