#pragma once

#include "host/InputChannel.h"

namespace host {

// An input channel over a buffer that the caller owns and keeps alive and unchanged while the
// channel is read.
class MemoryInputChannel : public InputChannel {
public:
    MemoryInputChannel(const void* bytes, std::size_t length);

    Result Read(void* buffer, std::size_t count, std::size_t& read) override;
    std::uint64_t GetPosition() const override { return position; }

private:
    const unsigned char* bytes;
    std::size_t length;
    std::size_t position = 0;
};

} // namespace host
