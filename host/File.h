#pragma once

#include "host/FileLocation.h"
#include "host/Result.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace host {

// A file of the file library, named by a location. Only regular files are opened or measured:
// a folder gives FileErrIsFolder, a pipe or device FileErrIo. The file is closed when the object goes.
class File {
public:
    explicit File(const FileLocation& location) : location(location) {}
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    const FileLocation& GetLocation() const { return location; }
    bool IsOpen() const { return stream != nullptr; }

    // Length of the file's data, open or not.
    Result GetDataLength(std::uint64_t& length) const;

    Result OpenForReading();
    // Opens for writing from the start, discarding what the file held. A missing file is created
    // when `createWhenMissing` is set, else the result is FileErrNotFound.
    Result OpenForWriting(bool createWhenMissing);

    // Reads exactly `count` bytes at the current position; FileErrEof when fewer are left.
    Result Read(void* buffer, std::size_t count);
    Result Write(const void* bytes, std::size_t count);
    Result Close();

private:
    Result Open(const char* mode);

    FileLocation location;
    std::FILE* stream = nullptr;
};

// Whether anything at all stands at `location`: a file, a folder, a link (even one to nothing).
bool IsTaken(const FileLocation& location);
// Puts the file at `from` in the place of whatever file stands at `to`, in one step.
Result PutFileInPlace(const FileLocation& from, const FileLocation& to);
// Deletes the file at `location`.
Result RemoveFile(const FileLocation& location);

} // namespace host
