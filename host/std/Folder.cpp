#include "host/Folder.h"

#include "host/std/NativePath.h"

#include <filesystem>
#include <system_error>

namespace host {

Result CreateFolderWhenMissing(const FileLocation& location) {
    UniString path;
    if (Result result = location.GetPathString(path); result != NoError) {
        return result;
    }
    std::error_code error;
    std::filesystem::create_directory(NativePath(path), error);
    if (!error) {
        return NoError;
    }
    const std::filesystem::file_status status = std::filesystem::status(NativePath(path), error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return FileErrNotFound;
    }
    if (status.type() != std::filesystem::file_type::unknown && !std::filesystem::is_directory(status)) {
        return FileErrNotFolder;
    }
    return FileErrIo;
}

} // namespace host
