#pragma once

#include "host/Result.h"

#include <cstddef>
#include <cstdint>

namespace host {

// A sequential source of bytes of the foundation library.
class InputChannel {
public:
    virtual ~InputChannel() = default;

    // Copies up to `count` bytes into `buffer` and sets `read` to how many were copied; 0 at the end.
    virtual Result Read(void* buffer, std::size_t count, std::size_t& read) = 0;
    // Bytes read so far.
    virtual std::uint64_t GetPosition() const = 0;
};

} // namespace host
