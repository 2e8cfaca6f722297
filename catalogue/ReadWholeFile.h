#pragma once

#include "host/Result.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace host {
class FileLocation;
}

// Reads the whole file at `location` into `bytes`, which holds exactly the file's data on success
// and nothing otherwise. Answers 0, the file library's code, or TNErrCannotRead when the file
// cannot be opened; a file longer than `maxLength` is not read and answers FileErrTooLarge.
// Running out of memory throws.
host::Result ReadWholeFile(const host::FileLocation& location, std::vector<std::uint8_t>& bytes,
                           std::uint64_t maxLength = std::numeric_limits<std::uint64_t>::max());
