#include "catalogue/ReadWholeFile.h"

#include "catalogue/TNResult.h"
#include "host/File.h"

#include <limits>

host::Result ReadWholeFile(const host::FileLocation& location, std::vector<std::uint8_t>& bytes,
                           std::uint64_t maxLength) {
    bytes = {};
    host::File file(location);
    std::uint64_t length = 0;
    if (host::Result result = file.GetDataLength(length); result != host::NoError) {
        return result;
    }
    if (length > maxLength || length > std::numeric_limits<std::size_t>::max()) {
        return host::FileErrTooLarge;
    }
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(length));
    if (file.OpenForReading() != host::NoError) {
        return TNErrCannotRead;
    }
    // The file may have shrunk since it was measured; a short read is a failure, not a short buffer.
    if (host::Result result = file.Read(buffer.data(), buffer.size()); result != host::NoError) {
        return result;
    }
    file.Close();
    bytes = std::move(buffer);
    return host::NoError;
}
