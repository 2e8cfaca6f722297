#include "host/FileTypes.h"

#include "host/UniString.h"

namespace host {

namespace {

struct FileTypeName {
    std::string_view mimeType;
    std::int32_t fileType;
};

constexpr std::int32_t UnknownFileType = -1;

constexpr FileTypeName fileTypes[] = {
    {"image/bmp", 1},   {"image/x-bmp", 1}, {"image/x-ms-bmp", 1}, {"image/jpeg", 2},
    {"image/pjpeg", 2}, {"image/png", 3},   {"image/gif", 4},      {"image/tiff", 5},
};

} // namespace

std::int32_t LookUpFileType(std::string_view mimeType) {
    const UniString wanted(mimeType);
    for (const FileTypeName& known : fileTypes) {
        if (wanted.IsEqualIgnoringCase(known.mimeType)) {
            return known.fileType;
        }
    }
    return UnknownFileType;
}

} // namespace host
