#include "host/File.h"

#include "host/std/NativePath.h"

#include <filesystem>
#include <system_error>

namespace host {

namespace {

// NoError when a regular file stands at `location`. Anything else (a folder, a pipe, a device)
// is refused, so that opening it can neither block nor read without end.
Result CheckFile(const FileLocation& location) {
    UniString path;
    if (Result result = location.GetPathString(path); result != NoError) {
        return result;
    }
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(NativePath(path), error);
    switch (status.type()) {
    case std::filesystem::file_type::regular:
        return NoError;
    case std::filesystem::file_type::not_found:
        return FileErrNotFound;
    case std::filesystem::file_type::directory:
        return FileErrIsFolder;
    default:
        return FileErrIo;
    }
}

} // namespace

File::~File() {
    Close();
}

Result File::GetDataLength(std::uint64_t& length) const {
    length = 0;
    if (Result result = CheckFile(location); result != NoError) {
        return result;
    }
    UniString path;
    location.GetPathString(path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(NativePath(path), error);
    if (error) {
        return FileErrIo;
    }
    length = size;
    return NoError;
}

Result File::Open(const char* mode) {
    if (stream != nullptr) {
        return FileErrAlreadyOpen;
    }
    UniString path;
    if (Result result = location.GetPathString(path); result != NoError) {
        return result;
    }
    stream = OpenNativeFile(path, mode);
    return stream != nullptr ? NoError : FileErrIo;
}

Result File::OpenForReading() {
    if (Result result = CheckFile(location); result != NoError) {
        return result;
    }
    return Open("rb");
}

Result File::OpenForWriting(bool createWhenMissing) {
    const Result result = CheckFile(location);
    if (result != NoError && !(result == FileErrNotFound && createWhenMissing)) {
        return result;
    }
    return Open("wb");
}

Result File::Read(void* buffer, std::size_t count) {
    if (stream == nullptr) {
        return FileErrNotOpen;
    }
    if (count == 0) {
        return NoError;
    }
    if (std::fread(buffer, 1, count, stream) == count) {
        return NoError;
    }
    return std::feof(stream) ? FileErrEof : FileErrIo;
}

Result File::Write(const void* bytes, std::size_t count) {
    if (stream == nullptr) {
        return FileErrNotOpen;
    }
    if (count == 0) {
        return NoError;
    }
    return std::fwrite(bytes, 1, count, stream) == count ? NoError : FileErrIo;
}

Result File::Close() {
    if (stream == nullptr) {
        return FileErrNotOpen;
    }
    const int closed = std::fclose(stream);
    stream = nullptr;
    return closed == 0 ? NoError : FileErrIo;
}

bool IsTaken(const FileLocation& location) {
    UniString path;
    if (location.GetPathString(path) != NoError) {
        return false;
    }
    std::error_code error;
    return std::filesystem::symlink_status(NativePath(path), error).type() != std::filesystem::file_type::not_found;
}

Result PutFileInPlace(const FileLocation& from, const FileLocation& to) {
    UniString fromPath;
    UniString toPath;
    if (Result result = from.GetPathString(fromPath); result != NoError) {
        return result;
    }
    if (Result result = to.GetPathString(toPath); result != NoError) {
        return result;
    }
    std::error_code error;
    std::filesystem::rename(NativePath(fromPath), NativePath(toPath), error);
    return error ? FileErrIo : NoError;
}

Result RemoveFile(const FileLocation& location) {
    UniString path;
    if (Result result = location.GetPathString(path); result != NoError) {
        return result;
    }
    std::error_code error;
    return std::filesystem::remove(NativePath(path), error) ? NoError : (error ? FileErrIo : FileErrNotFound);
}

} // namespace host
