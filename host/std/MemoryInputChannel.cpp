#include "host/MemoryInputChannel.h"

#include <algorithm>
#include <cstring>

namespace host {

MemoryInputChannel::MemoryInputChannel(const void* bytes, std::size_t length)
    : bytes(static_cast<const unsigned char*>(bytes)), length(bytes ? length : 0) {}

Result MemoryInputChannel::Read(void* buffer, std::size_t count, std::size_t& read) {
    read = std::min(count, length - position);
    if (read > 0) {
        std::memcpy(buffer, bytes + position, read);
        position += read;
    }
    return NoError;
}

} // namespace host
